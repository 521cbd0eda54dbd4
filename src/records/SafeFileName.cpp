#include "SafeFileName.h"

namespace {

bool isUnsafeCharacter(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
}

// Half of a character: a surrogate without its partner, which no file name
// can hold (the file would be listed under a "?").
bool isBrokenCharacterAt(const QString &name, int i)
{
    const QChar c = name.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= name.size() || !name.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !name.at(i - 1).isHighSurrogate();
    return false;
}

bool isUnsafeAt(const QString &name, int i)
{
    return isUnsafeCharacter(name.at(i)) || isBrokenCharacterAt(name, i);
}

} // namespace

bool SafeFileName::isSafe(const QString &name)
{
    if (name.startsWith(QLatin1Char('.')))
        return false;
    for (int i = 0; i < name.size(); ++i) {
        if (isUnsafeAt(name, i))
            return false;
    }
    return true;
}

QString SafeFileName::sanitized(const QString &name)
{
    QString safe = name;
    for (int i = 0; i < safe.size(); ++i) {
        // Read from the name: a replaced half must not make its partner look broken.
        if (isUnsafeAt(name, i))
            safe[i] = QLatin1Char('_');
    }
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_');
    return safe;
}
