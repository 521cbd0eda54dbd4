#ifndef COMMENTARYSINK_H
#define COMMENTARYSINK_H

#include <QString>

// Where a bout's commentary goes. The live screen attaches a text view;
// the unseen simulation attaches nothing and the text is dropped.
class CommentarySink
{
public:
    virtual ~CommentarySink() {}
    // One paragraph per call; an empty text is an empty paragraph.
    virtual void addParagraph(const QString &text) = 0;
};

#endif // COMMENTARYSINK_H
