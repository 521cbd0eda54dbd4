#include "Module_Training.h"

Module_Training::Module_Training(QWidget *parent)
    : PendingScreen(QStringLiteral("Training"), parent)
{
}
