#ifndef TOPMENUBAR_H
#define TOPMENUBAR_H

#include <array>

#include "ScreenFrame.h"

class QHBoxLayout;
class QPushButton;
class QWidget;

// The number of a menu button, also its place in the bar from the left.
enum ButtonID : int {
    ProfileButton = 0,
    TrainingButton = 1,
    ManagementButton = 2,
    EventsButton = 3,
    DatabaseButton = 4,
    OrgsButton = 5,
    NextDayButton = 6,
    SaveLoadButton = 7,
    HelpButton = 8,
    MainMenuButton = 9,
};

// The row of ten picture buttons above every in-game screen. It is built
// once with the window and only hidden and shown after that. The flat
// button marks the screen last opened from the bar.
class TopMenuBar : public ScreenFrame
{
    Q_OBJECT

public:
    static const int buttonCount = 10;

    explicit TopMenuBar(QWidget *parent = nullptr);
    // Also lets go of the game world's gym and manager: the bar goes away
    // only when the program closes.
    ~TopMenuBar() override;

    ButtonID currentButton() const { return m_currentButton; }
    QPushButton *button(ButtonID id) const;

    // A fresh screen for the button pressed last, the buttons' look kept.
    void reloadCurrentScreen();

public slots:
    void changeScreenProfile();
    void changeScreenTraining();
    void changeScreenManagement();
    void changeScreenEvents();
    void changeScreenDatabase();
    void changeScreenOrgs();
    void changeScreenNextDay();
    void changeScreenSaveLoad();
    void changeScreenHelp();
    void changeScreenMainMenu();
    void flattenButtons(ButtonID id);
    void unflattenButtons();
    void setDefaultStyleSheet();

private:
    void buildLayout();
    void openScreenOf(ButtonID id);
    static QWidget *makeScreen(ButtonID id);

    ButtonID m_currentButton;
    std::array<QPushButton *, buttonCount> m_buttons;
    QHBoxLayout *m_barLayout;
};

#endif // TOPMENUBAR_H
