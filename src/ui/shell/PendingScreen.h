#ifndef PENDINGSCREEN_H
#define PENDINGSCREEN_H

#include "ScreenFrame.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

// Stands in for a screen that is not built yet: it shows the screen's name.
// In a game the menu bar is the way on.
class PendingScreen : public ScreenFrame
{
    Q_OBJECT

public:
    explicit PendingScreen(const QString &name, QWidget *parent = nullptr);

protected:
    // Adds a button under the screen's name, for a stand-in that needs a
    // way on of its own.
    QPushButton *addButton(const QString &text);

private:
    QVBoxLayout *m_layout;
    QLabel *m_nameLabel;
    QLabel *m_noteLabel;
};

#endif // PENDINGSCREEN_H
