#include "WholeRows.h"

#include <QEvent>
#include <QListWidget>

WholeRows::WholeRows(QListWidget *list, int rows)
    : QObject(list->viewport())
    , list(list)
    , viewport(list->viewport())
    , rows(rows)
{
    viewport->installEventFilter(this);
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, &WholeRows::fit);
    connect(list->model(), &QAbstractItemModel::rowsRemoved, this, &WholeRows::fit);
}

void WholeRows::keep(QListWidget *list, int rows)
{
    (new WholeRows(list, rows))->fit();
}

bool WholeRows::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport && event->type() == QEvent::Resize)
        fit();
    return false;
}

void WholeRows::fit()
{
    if (list->count() == 0)
        return;
    // The rows' heights come with the style sheet's font and the width they
    // wrap at, which the view would only lay out again later.
    list->ensurePolished();
    list->doItemsLayout();
    const int drawn = qMin(rows, list->count());
    const QRect first = list->visualItemRect(list->item(0));
    const QRect last = list->visualItemRect(list->item(drawn - 1));
    const int height = last.bottom() + 1 - first.top() + (rows - drawn) * last.height();
    list->setFixedHeight(height + 2 * list->frameWidth());
}
