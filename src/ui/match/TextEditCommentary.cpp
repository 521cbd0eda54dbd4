#include "TextEditCommentary.h"

TextEditCommentary::TextEditCommentary(QTextEdit *target)
    : view(target)
{
}

void TextEditCommentary::addParagraph(const QString &text)
{
    if (view)
        view->append(text);
}
