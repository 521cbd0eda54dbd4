#include "PlainText.h"

#include <QEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "ApplicationFilter.h"

PlainText::PlainText(QObject *parent)
    : QObject(parent)
{
}

void PlainText::install()
{
    installApplicationFilter<PlainText>();
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

void PlainText::append(QTextEdit *view, const QString &text)
{
    QScrollBar *scrollBar = view->verticalScrollBar();
    const bool atEnd =
        view->isReadOnly() ? scrollBar->value() >= scrollBar->maximum() : view->textCursor().atEnd();
    const QTextCursor current = view->textCursor();
    QTextCursor end(view->document());
    end.beginEditBlock();
    end.movePosition(QTextCursor::End);
    if (view->document()->isEmpty())
        end.setCharFormat(current.charFormat());
    else
        end.insertBlock(current.blockFormat(), current.charFormat());
    // What the view types next keeps the format it had.
    const QTextCharFormat typing = view->currentCharFormat();
    end.insertText(text);
    if (!current.hasSelection())
        view->setCurrentCharFormat(typing);
    end.endEditBlock();
    if (atEnd)
        scrollBar->setValue(scrollBar->maximum());
}

QString PlainText::toolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    // As a plain tool tip draws it: every blank kept, all on one line.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}
