#include "DoubleClickGuard.h"

#include <QAbstractButton>
#include <QEvent>

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
        // The window hears of every press before the widget under the pointer.
        if (watched->isWidgetType())
            remember(qobject_cast<QAbstractButton *>(watched));
        break;
    case QEvent::MouseButtonDblClick:
        if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
            const bool counts = button == m_pressed && placeOf(button) == m_pressedPlace;
            remember(nullptr);
            return !counts;
        }
        break;
    case QEvent::Show:
        // A question, or any other window, between the two presses.
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            remember(nullptr);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

DoubleClickGuard::Place DoubleClickGuard::placeOf(const QWidget *button)
{
    Place place{ModuleManager::Instance()->currentScreen()};
    for (QWidget *parent = button->parentWidget(); parent; parent = parent->parentWidget())
        place << parent;
    return place;
}

void DoubleClickGuard::remember(QAbstractButton *pressed)
{
    m_pressed = pressed;
    m_pressedPlace = pressed ? placeOf(pressed) : Place();
}
