#include "ScreenFrame.h"

#include <QPainter>
#include <QStyleOption>

ScreenFrame::ScreenFrame(QWidget *parent)
    : QWidget(parent)
{
}

void ScreenFrame::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
