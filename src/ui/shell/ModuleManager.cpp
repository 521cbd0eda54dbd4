#include "ModuleManager.h"

#include <QVBoxLayout>
#include <QWidget>

#include "DoubleClickGuard.h"
#include "GameDialog.h"
#include "GameWindow.h"
#include "Module_MainMenu.h"
#include "StyleSheetFile.h"
#include "TopMenuBar.h"
#include "world/ResourcePaths.h"

namespace {
const int windowWidth = 1100;
const int windowHeight = 700;
const char *const windowTitle = "Ringwright - by Vellamy";
} // namespace

ModuleManager *ModuleManager::Instance()
{
    static ModuleManager manager;
    return &manager;
}

void ModuleManager::init()
{
    if (m_window)
        return;
    DoubleClickGuard::install();
    m_window = new GameWindow;
    m_layout = new QVBoxLayout;
    m_window->setFixedSize(windowWidth, windowHeight);
    m_window->setWindowTitle(QString::fromLatin1(windowTitle));
    m_window->setVisible(true);

    m_currentScreen = new Module_MainMenu;
    m_topMenu = new TopMenuBar;
    applyStyleSheet();
    hideTopMenu();

    // The screens fill the window edge to edge under the bar.
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_topMenu);
    m_layout->addWidget(m_currentScreen);
    m_window->setLayout(m_layout);
}

bool ModuleManager::confirmQuit()
{
    return GameDialog::askOnce(QStringLiteral("Are you sure you want to quit the game?"));
}

QWidget *ModuleManager::window() const
{
    return m_window;
}

void ModuleManager::changeScreen(QWidget *screen)
{
    retireCurrentScreen();
    m_currentScreen = screen;
    applyStyleSheet();
    if (m_layout && screen)
        m_layout->addWidget(screen);
}

void ModuleManager::retireCurrentScreen()
{
    QWidget *old = m_currentScreen;
    m_currentScreen = nullptr;
    if (!old)
        return;
    old->hide();
    if (m_layout)
        m_layout->removeWidget(old);
    // Out of the window, so that nothing but the deferred deletion ends it.
    old->setParent(nullptr);
    old->deleteLater();
}

void ModuleManager::applyStyleSheet()
{
    StyleSheetFile::apply(ResourcePaths::screenStyleSheetFile(), m_currentScreen);
}

void ModuleManager::hideTopMenu()
{
    if (m_topMenu)
        m_topMenu->setVisible(false);
}

void ModuleManager::showTopMenu()
{
    if (!m_topMenu)
        return;
    m_topMenu->unflattenButtons();
    m_topMenu->setVisible(true);
}

bool ModuleManager::isTopMenuVisible() const
{
    return m_topMenu && m_topMenu->isVisibleTo(m_window);
}

void ModuleManager::reloadCurrentScreen()
{
    if (m_topMenu)
        m_topMenu->reloadCurrentScreen();
}

void ModuleManager::nextDay()
{
    if (m_topMenu)
        m_topMenu->changeScreenNextDay();
}

void ModuleManager::closeAll()
{
    retireCurrentScreen();
    hideTopMenu();
    delete m_topMenu;
    m_topMenu = nullptr;
    if (m_window) {
        // Closing the last visible window is what ends the event loop.
        m_window->closeForGood();
        delete m_window;
    }
    m_window = nullptr;
    m_layout = nullptr;
}
