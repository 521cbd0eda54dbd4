#ifndef MODULE_MAINMENU_H
#define MODULE_MAINMENU_H

#include "ScreenFrame.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

// The title screen: new game, load game, help and quit. Shown at start-up
// and whenever the player leaves a game; the menu bar is hidden here.
class Module_MainMenu : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_MainMenu(QWidget *parent = nullptr);

public slots:
    void beginNewGame();
    void loadGame();
    void showHelpScreen();
    void quitGame();

private:
    void buildLayout();

    QLabel *titleLabel;
    QPushButton *newGameButton;
    QPushButton *loadGameButton;
    QPushButton *howToPlayButton;
    QPushButton *exitGameButton;
    QWidget *buttonRow;
    QHBoxLayout *buttonRowLayout;
    QGridLayout *mainLayout;
};

#endif // MODULE_MAINMENU_H
