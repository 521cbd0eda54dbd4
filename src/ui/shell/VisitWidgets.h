#ifndef VISITWIDGETS_H
#define VISITWIDGETS_H

#include "ObjectNames.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <initializer_list>
#include <utility>

// The widgets (and the odd timer or button group) a screen makes for one
// visit of a page, deleted together when the page is left. The pointers are
// guarded: one already deleted, along with its parent say, is passed over.
class VisitWidgets
{
public:
    // Records the object and hands it back.
    template <typename W>
    W *keep(W *made)
    {
        objects.append(made);
        return made;
    }
    void keep(std::initializer_list<QObject *> made);
    // The same, giving the object its name (the name tests find it by).
    template <typename W>
    W *keep(W *made, const QString &objectName)
    {
        return keep(ObjectNames::named(made, objectName));
    }

    template <typename W, typename... Args>
    W *make(Args &&...args)
    {
        return keep(new W(std::forward<Args>(args)...));
    }

    // Styles the kept widgets now. A page built again inside a page already
    // styled is laid out before its new widgets are shown, and so styled;
    // a chooser measured in the plain font keeps that height after.
    void polish() const;
    // Deletes the ones still alive: for a page left from a widget that
    // outlives it (the top menu, a button kept for the screen's life).
    void clear();
    // For a page left from a signal of one of its own widgets: takes them out
    // of the screen now and deletes all once back in the event loop.
    void clearLater();

private:
    QVector<QPointer<QObject>> objects;
};

#endif // VISITWIDGETS_H
