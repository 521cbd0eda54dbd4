#include "VisitWidgets.h"

#include <QWidget>

void VisitWidgets::keep(std::initializer_list<QObject *> made)
{
    for (QObject *object : made)
        objects.append(object);
}

void VisitWidgets::polish() const
{
    for (const QPointer<QObject> &object : objects) {
        if (const auto *widget = qobject_cast<QWidget *>(object.data()))
            widget->ensurePolished();
    }
}

void VisitWidgets::clear()
{
    for (const QPointer<QObject> &object : qAsConst(objects))
        delete object.data();
    objects.clear();
}

void VisitWidgets::clearLater()
{
    for (const QPointer<QObject> &object : qAsConst(objects)) {
        if (auto *widget = qobject_cast<QWidget *>(object.data())) {
            widget->hide();
            widget->setParent(nullptr);
        }
        if (object)
            object->deleteLater();
    }
    objects.clear();
}
