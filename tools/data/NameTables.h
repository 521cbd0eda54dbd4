#ifndef NAMETABLES_H
#define NAMETABLES_H

#include <QString>
#include <QStringList>
#include <QVector>

// Given names and surnames of the 22 cultures a generated fighter can come
// from. Fighters are men, so the given names are men's names.
struct CultureNames
{
    QString culture;        // "anglo" ... "oceanic"; its file is ResourcePaths::namesFile
    QStringList givenNames;
    QStringList surnames;
};

namespace NameTables {

// The cultures in their fixed order, anglo first and oceanic last.
const QVector<CultureNames> &cultures();

} // namespace NameTables

#endif // NAMETABLES_H
