#include "ListElider.h"

#include <QEvent>
#include <QListWidget>
#include <QStyle>

#include "PlainText.h"

namespace {
const int wholeTextRole = Qt::UserRole;
} // namespace

ListElider::ListElider(QListWidget *list)
    : QObject(list->viewport())
    , list(list)
    , viewport(list->viewport())
{
    list->installEventFilter(this);
    viewport->installEventFilter(this);
}

void ListElider::addItems(QListWidget *list, const QStringList &texts)
{
    auto *elider = list->viewport()->findChild<ListElider *>(QString(), Qt::FindDirectChildrenOnly);
    if (!elider)
        elider = new ListElider(list);
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, list);
        item->setData(wholeTextRole, text);
    }
    elider->fit();
}

QString ListElider::wholeText(const QListWidgetItem *item)
{
    return item->data(wholeTextRole).toString();
}

bool ListElider::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((watched == viewport && type == QEvent::Resize)
        || (watched == list && (type == QEvent::FontChange || type == QEvent::StyleChange)))
        fit();
    return false;
}

void ListElider::fit()
{
    // Until its layout has sized it the list has no width of its own yet.
    const bool sized = list->testAttribute(Qt::WA_Resized);
    // The entry draws its text between two margins.
    const int textMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int width = viewport->width() - 2 * textMargin;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        const QString text = wholeText(item);
        const QString shown = sized ? list->fontMetrics().elidedText(text, Qt::ElideRight, width) : text;
        item->setToolTip(shown == text ? QString() : PlainText::toolTip(text));
        if (item->text() != shown)
            item->setText(shown);
    }
}
