#include "Module_Help.h"

Module_Help::Module_Help(QWidget *parent)
    : PendingScreen(QStringLiteral("How To Play"), PendingScreen::wayBackOutsideGame(), parent)
{
}
