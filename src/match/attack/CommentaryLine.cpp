#include "CommentaryLine.h"

#include "records/Fighter.h"

QString CommentaryLine::render(const Fighter &fighter) const
{
    const QString who = name == FullName ? fighter.getFullName() : fighter.getLastName();
    return QString::fromUtf8(leadIn) + who + QString::fromUtf8(text);
}
