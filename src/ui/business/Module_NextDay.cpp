#include "Module_NextDay.h"

Module_NextDay::Module_NextDay(QWidget *parent)
    : PendingScreen(QStringLiteral("Next Day"), WayBack::None, parent)
{
}
