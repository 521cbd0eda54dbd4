#include "SafeFileName.h"

#include <algorithm>

namespace {

bool isUnsafeCharacter(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
}

} // namespace

bool SafeFileName::isSafe(const QString &name)
{
    return !name.startsWith(QLatin1Char('.')) && std::none_of(name.cbegin(), name.cend(), isUnsafeCharacter);
}

QString SafeFileName::sanitized(const QString &name)
{
    QString safe = name;
    for (QChar &c : safe) {
        if (isUnsafeCharacter(c))
            c = QLatin1Char('_');
    }
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_');
    return safe;
}
