#include "GameWindow.h"

#include <QCloseEvent>

#include "ModuleManager.h"

GameWindow::GameWindow(QWidget *parent)
    : QWidget(parent)
{
}

void GameWindow::closeForGood()
{
    closingForGood = true;
    close();
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    // Accepted, the window closes and the event loop ends with it; main()
    // then tears the game down as "Exit Game" does.
    if (closingForGood || ModuleManager::confirmQuit())
        event->accept();
    else
        event->ignore();
}
