#include "WholeCharacterCap.h"

#include <QTextBoundaryFinder>

namespace {

// The start of the character that holds `position`, or `position` itself
// when a character starts there.
int characterStartAtOrBefore(const QString &text, int position)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(position);
    if (!characters.isAtBoundary())
        characters.toPreviousBoundary();
    return qMax(0, characters.position());
}

} // namespace

WholeCharacterCap::WholeCharacterCap(int maxLength, QObject *parent)
    : QValidator(parent)
    , maxLength(maxLength)
{
}

QValidator::State WholeCharacterCap::validate(QString &input, int &pos) const
{
    const int excess = input.size() - maxLength;
    if (excess <= 0)
        return Acceptable;
    // A cursor before the excess cannot end the insertion: cut the end.
    const int insertionEnd = pos >= excess ? pos : input.size();
    const int cutFrom = characterStartAtOrBefore(input, insertionEnd - excess);
    input.remove(cutFrom, insertionEnd - cutFrom);
    pos = qMin(pos, cutFrom);
    return Acceptable;
}
