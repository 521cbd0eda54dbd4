#include "DoubleClickGuard.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

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
        // The window hears of every press before the widget under the pointer.
        if (watched->isWidgetType())
            return !counts(static_cast<QWidget *>(watched), *static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Show:
        // A question, or any other window, during the run.
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            m_runButton = nullptr;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool DoubleClickGuard::counts(QWidget *pressed, const QMouseEvent &press)
{
    const bool inRun = continuesRun(press);
    m_lastPressTime = press.timestamp();
    m_lastPressPlace = press.globalPos();
    auto *button = qobject_cast<QAbstractButton *>(pressed);
    if (!inRun)
        beginRun(button);
    return !inRun || !button
           || (button == m_runButton && placeOf(button) == m_runPlace && button->text() == m_runText);
}

bool DoubleClickGuard::continuesRun(const QMouseEvent &press) const
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    const QPoint moved = press.globalPos() - m_lastPressPlace;
    return press.timestamp() - m_lastPressTime < ulong(hints->mouseDoubleClickInterval())
           && qMax(qAbs(moved.x()), qAbs(moved.y())) <= hints->mouseDoubleClickDistance();
}

DoubleClickGuard::Place DoubleClickGuard::placeOf(const QWidget *button)
{
    Place place{ModuleManager::Instance()->currentScreen()};
    for (QWidget *parent = button->parentWidget(); parent; parent = parent->parentWidget())
        place << parent;
    return place;
}

void DoubleClickGuard::beginRun(QAbstractButton *pressed)
{
    m_runButton = pressed;
    m_runPlace = pressed ? placeOf(pressed) : Place();
    m_runText = pressed ? pressed->text() : QString();
}
