#include "WrappedLines.h"

#include <QListWidget>

namespace WrappedLines {

void apply(QListWidget *list)
{
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines are wrapped again when the width changes, as when the vertical
    // scroll bar comes: else they keep the wider width and are cut.
    list->setResizeMode(QListView::Adjust);
}

} // namespace WrappedLines
