#include "TextDate.h"

#include <QLocale>

QString TextDate::shortText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QLocale::c().toString(date, QStringLiteral("ddd MMM d yyyy"));
}

QString TextDate::longText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QLocale::c().toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}
