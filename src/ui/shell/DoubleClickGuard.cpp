#include "DoubleClickGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>

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
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            windowShown(static_cast<QWidget *>(watched));
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
            const auto covers = [button](const QWidget *over) { return liesOver(over, button); };
            if (button->isVisible() && std::none_of(windows.begin(), windows.end(), covers))
                inSight << Sight(button, button->text());
        }
    }
    return inSight;
}

bool DoubleClickGuard::liesOver(const QWidget *window, const QAbstractButton *button)
{
    const QWidget *below = button->window();
    const bool above = window->windowType() == Qt::Popup
        || (window->isModal() && below != QApplication::activeModalWidget());
    return above && window != below && window->isVisible()
        && window->frameGeometry().intersects(QRect(button->mapToGlobal(QPoint()), button->size()));
}

void DoubleClickGuard::windowShown(const QWidget *window)
{
    if (window->windowType() == Qt::ToolTip)
        return;
    const bool asks = window->windowType() != Qt::Popup;
    const auto outOfSight = [window, asks](const QAbstractButton *button) {
        return asks || !button || liesOver(window, button);
    };
    if (outOfSight(m_runButton))
        m_runButton = nullptr;
    const auto sightLost = [&outOfSight](const Sight &sight) { return outOfSight(sight.first); };
    m_inSightAtRunStart.erase(std::remove_if(m_inSightAtRunStart.begin(), m_inSightAtRunStart.end(), sightLost),
                              m_inSightAtRunStart.end());
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
