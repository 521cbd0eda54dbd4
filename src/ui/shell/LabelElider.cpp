#include "LabelElider.h"

#include <QEvent>
#include <QLabel>

#include "PlainText.h"

LabelElider::LabelElider(QLabel *label)
    : QObject(label)
    , label(label)
{
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    label->installEventFilter(this);
}

void LabelElider::show(QLabel *label, const QString &text)
{
    auto *elider = label->findChild<LabelElider *>(QString(), Qt::FindDirectChildrenOnly);
    if (!elider)
        elider = new LabelElider(label);
    elider->text = text;
    elider->fit();
}

bool LabelElider::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == label && (type == QEvent::Resize || type == QEvent::FontChange || type == QEvent::StyleChange))
        fit();
    return false;
}

void LabelElider::fit()
{
    // Until its layout has sized it the label has no width of its own yet.
    const bool sized = label->testAttribute(Qt::WA_Resized);
    const QString shown =
        sized ? label->fontMetrics().elidedText(text, Qt::ElideRight, label->contentsRect().width()) : text;
    label->setToolTip(shown == text ? QString() : PlainText::toolTip(text));
    if (label->text() != shown)
        label->setText(shown);
}
