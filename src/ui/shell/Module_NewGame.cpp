#include "Module_NewGame.h"

Module_NewGame::Module_NewGame(QWidget *parent)
    : PendingScreen(QStringLiteral("New Game"), WayBack::ToMainMenu, parent)
{
}
