#include "Module_Orgs.h"

Module_Orgs::Module_Orgs(QWidget *parent)
    : PendingScreen(QStringLiteral("Organizations"), parent)
{
}
