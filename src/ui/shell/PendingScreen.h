#ifndef PENDINGSCREEN_H
#define PENDINGSCREEN_H

#include "ScreenFrame.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

// Stands in for a screen that is not built yet: it shows the screen's name
// and, where the screen was opened from the main menu, the way back there.
class PendingScreen : public ScreenFrame
{
    Q_OBJECT

public:
    enum class WayBack { None, ToMainMenu };

    PendingScreen(const QString &name, WayBack wayBack, QWidget *parent = nullptr);

    // The way back of the screens opened from the main menu when the menu
    // bar is hidden; in a game the bar is their way on.
    static WayBack wayBackOutsideGame();

public slots:
    void backToMainMenu();

protected:
    // Adds a button under the screen's name, for a stand-in that needs a
    // way on of its own.
    QPushButton *addButton(const QString &text);

private:
    QVBoxLayout *m_layout;
    QLabel *m_nameLabel;
    QLabel *m_noteLabel;
    QPushButton *m_backButton;
};

#endif // PENDINGSCREEN_H
