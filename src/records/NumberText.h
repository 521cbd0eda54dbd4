#pragma once

#include <QString>

// Whole numbers shown with "," every three digits ("2,000,000", "-2,200"),
// the same on every machine: the system locale is never asked.
class NumberText
{
public:
    static QString grouped(qint64 value);
};
