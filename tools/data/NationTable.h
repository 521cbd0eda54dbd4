#ifndef NATIONTABLE_H
#define NATIONTABLE_H

#include <QString>
#include <QStringList>
#include <QVector>

// The nations a new game offers, region by region. A generated fighter's
// names come from the culture that his nation's place in its region's list
// selects, so each list is ordered for that; `culture` records which name
// file the place is meant to pick, and the tests hold the two together.
namespace NationTable {

struct Nation
{
    QString name;    // common English name, also the flag picture's key
    QString culture; // the name file its place selects, e.g. "hispanic"
};

// The eight regions, in the order that numbers them everywhere.
QStringList regionNames();

// One list per region, in region order.
const QVector<QVector<Nation>> &regions();

// The nation names of one region, in list order (empty for another index).
QStringList nationsOf(int region);

} // namespace NationTable

#endif // NATIONTABLE_H
