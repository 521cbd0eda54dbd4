#include "NumberText.h"

QString NumberText::grouped(qint64 value)
{
    // Work on the magnitude as unsigned so the smallest qint64 has no overflow.
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}
