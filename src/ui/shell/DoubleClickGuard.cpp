#include "DoubleClickGuard.h"

#include <QAbstractButton>
#include <QEvent>

#include "ApplicationFilter.h"

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
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<QAbstractButton *>(watched))
        return true;
    return QObject::eventFilter(watched, event);
}
