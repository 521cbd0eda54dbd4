#include "Module_MainMenu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ModuleManager.h"
#include "Module_Help.h"
#include "Module_NewGame.h"
#include "Module_SaveLoad.h"

namespace {
const char *const titlePicture = "./Resources/Backgrounds/MainMenuTitlePic.jpg";
const int buttonMinimumWidth = 50;
const int buttonMinimumHeight = 110;
} // namespace

Module_MainMenu::Module_MainMenu(QWidget *parent)
    : ScreenFrame(parent)
    , titleLabel(new QLabel)
    , newGameButton(new QPushButton(QStringLiteral("New Game")))
    , loadGameButton(new QPushButton(QStringLiteral("Load Game")))
    , howToPlayButton(new QPushButton(QStringLiteral("How To Play")))
    , exitGameButton(new QPushButton(QStringLiteral("Exit Game")))
    , buttonRow(new QWidget)
    , buttonRowLayout(new QHBoxLayout)
    , mainLayout(new QGridLayout)
{
    buildLayout();
}

void Module_MainMenu::buildLayout()
{
    // A missing picture leaves the label empty; the menu still works.
    titleLabel->setPixmap(QPixmap(QString::fromLatin1(titlePicture)));
    titleLabel->setScaledContents(true);
    mainLayout->addWidget(titleLabel, 1, 1, 1, 3);

    for (QPushButton *button : {newGameButton, loadGameButton, howToPlayButton, exitGameButton}) {
        button->setMinimumSize(buttonMinimumWidth, buttonMinimumHeight);
        buttonRowLayout->addWidget(button);
    }
    buttonRow->setLayout(buttonRowLayout);
    mainLayout->addWidget(buttonRow, 2, 1, 1, 3);

    mainLayout->setColumnStretch(0, 1);
    mainLayout->setColumnStretch(4, 1);
    mainLayout->setRowStretch(0, 1);
    mainLayout->setRowStretch(3, 1);
    setLayout(mainLayout);

    connect(newGameButton, &QPushButton::clicked, this, &Module_MainMenu::beginNewGame);
    connect(loadGameButton, &QPushButton::clicked, this, &Module_MainMenu::loadGame);
    connect(howToPlayButton, &QPushButton::clicked, this, &Module_MainMenu::showHelpScreen);
    connect(exitGameButton, &QPushButton::clicked, this, &Module_MainMenu::quitGame);
}

void Module_MainMenu::beginNewGame()
{
    ModuleManager::Instance()->changeScreen(new Module_NewGame);
}

void Module_MainMenu::loadGame()
{
    ModuleManager::Instance()->changeScreen(new Module_SaveLoad);
}

void Module_MainMenu::showHelpScreen()
{
    ModuleManager::Instance()->changeScreen(new Module_Help);
}

void Module_MainMenu::quitGame()
{
    if (ModuleManager::confirmQuit())
        ModuleManager::Instance()->closeAll();
}
