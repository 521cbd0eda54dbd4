#ifndef READINGVIEW_H
#define READINGVIEW_H

#include <QTextEdit>

// A text the player reads and never types into (the help topics, the day's
// news). Appending follows the text to its end; once it is all there,
// showFromStart() brings its first line back into view.
class ReadingView : public QTextEdit
{
    Q_OBJECT

public:
    explicit ReadingView(QWidget *parent = nullptr);

    void showFromStart();
};

#endif // READINGVIEW_H
