#include "Module_SaveLoad.h"

Module_SaveLoad::Module_SaveLoad(QWidget *parent)
    : PendingScreen(QStringLiteral("Save/Load"), PendingScreen::wayBackOutsideGame(), parent)
{
}
