#ifndef MODULEMANAGER_H
#define MODULEMANAGER_H

class GameWindow;
class QVBoxLayout;
class QWidget;
class TopMenuBar;

// Owns the one game window and switches the screen shown in it. The window
// holds the top menu bar and, below it, exactly one screen; every screen of
// the game is installed through changeScreen().
class ModuleManager
{
public:
    static ModuleManager *Instance();

    // Builds the window with a fresh main menu and the hidden menu bar.
    // Does nothing while a window exists.
    void init();

    // The quit question of "Exit Game" and of the window's close button;
    // true when the player agreed.
    static bool confirmQuit();

    // Installs `screen` (parentless, complete) below the menu bar and
    // retires the screen that was shown. The old screen may be the one whose
    // slot is running, so it is hidden, taken out of the layout and deleted
    // once control is back in the event loop.
    void changeScreen(QWidget *screen);
    // Sets ResourcePaths::screenStyleSheetFile on the current screen; a
    // missing file leaves it with the default look.
    void applyStyleSheet();

    void hideTopMenu();
    void showTopMenu();
    bool isTopMenuVisible() const;

    // Requests of the next-day and post-event screens, handled by the bar.
    void reloadCurrentScreen();
    void nextDay();

    // Tears the window down (screen, menu bar, window); closing the last
    // window ends the event loop. Safe to call again.
    void closeAll();

    QWidget *window() const;
    QWidget *currentScreen() const { return m_currentScreen; }
    TopMenuBar *topMenu() const { return m_topMenu; }

private:
    ModuleManager() = default;
    ~ModuleManager() = default;
    ModuleManager(const ModuleManager &) = delete;
    ModuleManager &operator=(const ModuleManager &) = delete;

    void retireCurrentScreen();

    GameWindow *m_window = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QWidget *m_currentScreen = nullptr;
    TopMenuBar *m_topMenu = nullptr;
};

#endif // MODULEMANAGER_H
