#include "Module_Events.h"

Module_Events::Module_Events(QWidget *parent)
    : PendingScreen(QStringLiteral("Events"), parent)
{
}
