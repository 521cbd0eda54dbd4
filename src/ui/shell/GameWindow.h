#ifndef GAMEWINDOW_H
#define GAMEWINDOW_H

#include <QWidget>

// The game's one window. Its frame's close button asks the quit question
// of "Exit Game" first, so that a stray click loses no unsaved day.
class GameWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GameWindow(QWidget *parent = nullptr);

    // Closes without asking: the game is being torn down.
    void closeForGood();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool closingForGood = false;
};

#endif // GAMEWINDOW_H
