#include "WholeCharacterCap.h"

#include "WholeCharacters.h"

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
    const int cutFrom = WholeCharacters(input).startAtOrBefore(insertionEnd - excess);
    input.remove(cutFrom, insertionEnd - cutFrom);
    pos = qMin(pos, cutFrom);
    return Acceptable;
}
