#include "TextEditCommentary.h"

#include "ui/shell/PlainText.h"

TextEditCommentary::TextEditCommentary(QTextEdit *target)
    : view(target)
{
}

void TextEditCommentary::addParagraph(const QString &text)
{
    if (view)
        PlainText::append(view, text);
}
