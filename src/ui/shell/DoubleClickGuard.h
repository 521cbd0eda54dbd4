#ifndef DOUBLECLICKGUARD_H
#define DOUBLECLICKGUARD_H

#include <QObject>

// A button treats the second press of a double click as a press of its own.
// When the first press changed the page, that second press lands on a button
// the player never aimed at ("Advance to Game" under "Advance to Gym
// Creation"). The guard drops double clicks on buttons for the whole program.
class DoubleClickGuard : public QObject
{
    Q_OBJECT

public:
    // Installs one guard on the application; calling again changes nothing.
    static void install();

    explicit DoubleClickGuard(QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // DOUBLECLICKGUARD_H
