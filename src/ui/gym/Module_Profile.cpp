#include "Module_Profile.h"

Module_Profile::Module_Profile(QWidget *parent)
    : PendingScreen(QStringLiteral("Profile"), parent)
{
}
