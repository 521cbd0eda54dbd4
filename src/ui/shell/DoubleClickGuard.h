#ifndef DOUBLECLICKGUARD_H
#define DOUBLECLICKGUARD_H

#include <QObject>
#include <QPointer>
#include <QVector>

class QAbstractButton;
class QWidget;

// A button takes the second press of a double click for a press of its own.
// That press counts as a click only on the button the first press went to,
// still on the same page of the same screen, with no window opened in
// between: a double click on "Next Step" moves two stages. Any other second
// press is dropped, for the whole program: the first press may have put
// another button under the pointer ("Advance to Game" under "Advance to Gym
// Creation"), moved the button to another page, put a new screen under the
// menu bar or asked a question.
class DoubleClickGuard : public QObject
{
    Q_OBJECT

public:
    // Installs one guard on the application; calling again changes nothing.
    static void install();

    explicit DoubleClickGuard(QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where a button stands: the screen shown and the button's parents.
    using Place = QVector<QPointer<QWidget>>;
    static Place placeOf(const QWidget *button);
    // Remembers the button a first press went to; null forgets it.
    void remember(QAbstractButton *pressed);

    QPointer<QAbstractButton> m_pressed;
    Place m_pressedPlace;
};

#endif // DOUBLECLICKGUARD_H
