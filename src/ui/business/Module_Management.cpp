#include "Module_Management.h"

Module_Management::Module_Management(QWidget *parent)
    : PendingScreen(QStringLiteral("Management"), parent)
{
}
