#include "WrappedLines.h"

#include <QListWidget>

namespace WrappedLines {

void apply(QListWidget *list)
{
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace WrappedLines
