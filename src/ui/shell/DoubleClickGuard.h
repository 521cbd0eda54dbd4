#ifndef DOUBLECLICKGUARD_H
#define DOUBLECLICKGUARD_H

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QVector>

class QAbstractButton;
class QMouseEvent;
class QWidget;

// A quick run of presses, each within the platform's double-click interval
// and distance of the one before, counts on a button only where the run
// began: on that button, still on the same page of the same screen, still
// showing the text it showed at the run's first press, and with no window
// opened since. Every other press of the run on a button is dropped, for
// the whole program: the first press may have put another button under the
// pointer ("Advance to Game" under "Advance to Gym Creation"), moved the
// button to another page, put a new screen under the menu bar, asked a
// question or turned "Start Timer" into "Stop Timer". Quick clicks on "Next
// Step" move a stage each until it reads "Tend to Fighter". Presses on
// other widgets pass: a list's or a text field's double click is its own.
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
    bool counts(QWidget *pressed, const QMouseEvent &press);
    bool continuesRun(const QMouseEvent &press) const;
    // The run's button as the run's first press found it; null for none.
    void beginRun(QAbstractButton *pressed);

    QPointer<QAbstractButton> m_runButton;
    Place m_runPlace;
    QString m_runText;
    ulong m_lastPressTime = 0;
    QPoint m_lastPressPlace;
};

#endif // DOUBLECLICKGUARD_H
