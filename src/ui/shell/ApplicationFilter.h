#ifndef APPLICATIONFILTER_H
#define APPLICATIONFILTER_H

#include <QCoreApplication>
#include <QString>

// Installs one event filter of this kind on the whole application, owned by
// it; calling again changes nothing. `Filter` is made from its parent.
template <typename Filter>
void installApplicationFilter()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->findChild<Filter *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new Filter(application));
}

#endif // APPLICATIONFILTER_H
