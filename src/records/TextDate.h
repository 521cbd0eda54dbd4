#pragma once

#include <QDate>
#include <QString>

// Dates the game writes as text: record lines, titles, the training log,
// offers, the news header and the calendar headings. Always English day and
// month names, whatever the machine's locale, so that a save reads the same
// on every machine.
class TextDate
{
public:
    // "Sat Jan 1 2011"
    static QString shortText(const QDate &date);
    // "Saturday, January 1, 2011"
    static QString longText(const QDate &date);
};
