#ifndef TEXTEDITCOMMENTARY_H
#define TEXTEDITCOMMENTARY_H

#include <QPointer>
#include <QTextEdit>

#include "match/CommentarySink.h"

// Writes a bout's commentary into a text view, one paragraph per text.
// The view is watched: once it is gone the text is dropped.
class TextEditCommentary : public CommentarySink
{
public:
    explicit TextEditCommentary(QTextEdit *view);
    void addParagraph(const QString &text) override;

private:
    QPointer<QTextEdit> view;
};

#endif // TEXTEDITCOMMENTARY_H
