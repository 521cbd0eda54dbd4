#include "DoubleClickGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

#include "ApplicationFilter.h"
#include "ModuleManager.h"

DoubleClickGuard::DoubleClickGuard(QObject *parent)
    : QObject(parent)
{
}

void DoubleClickGuard::install()
{
    installApplicationFilter<DoubleClickGuard>();
}

bool DoubleClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The window hears of a press before any widget does, and before the
        // toolkit gives the widget under the pointer the keyboard focus.
        if (watched->isWindowType())
            return !judge(static_cast<QWindow *>(watched), *static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Show:
        // A question, or any other window, during the run.
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            m_runButton = nullptr;
            m_inSightAtRunStart.clear();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool DoubleClickGuard::judge(const QWindow *window, const QMouseEvent &press)
{
    // The second press of a double click reaches the window twice, as a
    // press and then as a double click: one verdict for both.
    if (press.type() == QEvent::MouseButtonPress)
        m_lastPressCounts = counts(buttonUnder(window, press.pos()), press.timestamp());
    return m_lastPressCounts;
}

bool DoubleClickGuard::counts(QAbstractButton *pressed, ulong time)
{
    const bool inRun = time - m_lastPressTime < ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    m_lastPressTime = time;
    if (!inRun)
        beginRun(pressed);
    if (!inRun || !pressed)
        return true;
    if (pressed == m_runButton)
        return placeOf(pressed) == m_runPlace && pressed->text() == m_runText;
    return m_inSightAtRunStart.contains(Sight(pressed, pressed->text()));
}

DoubleClickGuard::Place DoubleClickGuard::placeOf(const QWidget *button)
{
    Place place{ModuleManager::Instance()->currentScreen()};
    for (QWidget *parent = button->parentWidget(); parent; parent = parent->parentWidget())
        place << parent;
    return place;
}

QVector<DoubleClickGuard::Sight> DoubleClickGuard::buttonsInSight()
{
    QVector<Sight> inSight;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        const auto buttons = window->findChildren<QAbstractButton *>();
        for (QAbstractButton *button : buttons) {
            if (button->isVisible())
                inSight << Sight(button, button->text());
        }
    }
    return inSight;
}

QAbstractButton *DoubleClickGuard::buttonUnder(const QWindow *window, const QPoint &place)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *top : windows) {
        if (top->windowHandle() != window)
            continue;
        for (QWidget *under = top->childAt(place); under; under = under->parentWidget()) {
            if (auto *button = qobject_cast<QAbstractButton *>(under))
                return button;
        }
    }
    return nullptr;
}

void DoubleClickGuard::beginRun(QAbstractButton *pressed)
{
    m_runButton = pressed;
    m_runPlace = pressed ? placeOf(pressed) : Place();
    m_runText = pressed ? pressed->text() : QString();
    m_inSightAtRunStart = buttonsInSight();
}
