#include "PlainText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

PlainText::PlainText(QObject *parent)
    : QObject(parent)
{
}

void PlainText::install()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->findChild<PlainText *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new PlainText(application));
}

bool PlainText::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish) {
        auto *label = qobject_cast<QLabel *>(watched);
        // A tool tip is a label too; it is given its text already escaped.
        if (label && label->windowType() != Qt::ToolTip)
            label->setTextFormat(Qt::PlainText);
    }
    return QObject::eventFilter(watched, event);
}
