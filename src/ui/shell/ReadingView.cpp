#include "ReadingView.h"

#include <QScrollBar>

ReadingView::ReadingView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
}

void ReadingView::showFromStart()
{
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}
