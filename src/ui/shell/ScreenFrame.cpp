#include "ScreenFrame.h"

#include <QPainter>
#include <QStyleOption>

#include "PlainText.h"

ScreenFrame::ScreenFrame(QWidget *parent)
    : QWidget(parent)
{
    PlainText::install();
}

void ScreenFrame::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
