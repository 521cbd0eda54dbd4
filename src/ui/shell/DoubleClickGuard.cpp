#include "DoubleClickGuard.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>

DoubleClickGuard::DoubleClickGuard(QObject *parent)
    : QObject(parent)
{
}

void DoubleClickGuard::install()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->findChild<DoubleClickGuard *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new DoubleClickGuard(application));
}

bool DoubleClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<QAbstractButton *>(watched))
        return true;
    return QObject::eventFilter(watched, event);
}
