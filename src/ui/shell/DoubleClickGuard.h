#ifndef DOUBLECLICKGUARD_H
#define DOUBLECLICKGUARD_H

#include <QObject>
#include <QPair>
#include <QPointer>
#include <QVector>

class QAbstractButton;
class QMouseEvent;
class QPoint;
class QWidget;
class QWindow;

// A quick run of presses, each within the platform's double-click interval
// of the one before wherever it lands, presses only what the player aimed
// at: the button where the run began, while it stays on the same page of
// the same screen and shows the text it showed at the run's first press,
// or another button the player could see when the run began, shown then
// with the text it shows now, and with no question, list or menu over it
// since. Every other press of the run on a button is dropped at the window,
// before the toolkit moves the keyboard focus or draws the button pressed:
// the first press may have put another button under the pointer ("Advance
// to Game" under "Advance to Gym Creation", "Proceed to next day" under
// "Next Day"), moved the button to another page, put a new screen under
// the menu bar, asked a question (no press of the run counts after one
// opened), answered one that hid the button below, picked a list's entry
// that lay over it, or turned "Start Timer" into "Stop Timer". Quick clicks
// on "Next Step" move a stage each until it reads "Tend to Fighter", and
// "Next Step" then "Sim to End" presses both. Presses on other widgets
// pass: a list's or a text field's double click is its own.
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
    // A button the player could see, with the text it showed.
    using Sight = QPair<QPointer<QAbstractButton>, QString>;
    static Place placeOf(const QWidget *button);
    // Shown, and with no question, list or menu over them.
    static QVector<Sight> buttonsInSight();
    // A list or a menu lies over what it covers, a question over every
    // window but the topmost question's.
    static bool liesOver(const QWidget *window, const QAbstractButton *button);
    // A question ends what the run may press, a list or a menu hides what
    // it lies over, a tool tip neither.
    void windowShown(const QWidget *window);
    // The button a press at `place` in `window` reaches, through any
    // widget laid over its face; null for none.
    static QAbstractButton *buttonUnder(const QWindow *window, const QPoint &place);
    bool judge(const QWindow *window, const QMouseEvent &press);
    bool counts(QAbstractButton *pressed, ulong time);
    // The run's button as the run's first press found it; null for none.
    void beginRun(QAbstractButton *pressed);

    QPointer<QAbstractButton> m_runButton;
    Place m_runPlace;
    QString m_runText;
    QVector<Sight> m_inSightAtRunStart;
    ulong m_lastPressTime = 0;
    bool m_lastPressCounts = true;
};

#endif // DOUBLECLICKGUARD_H
