#ifndef ORIGINFILES_H
#define ORIGINFILES_H

#include <QString>
#include <QStringList>
#include <QVector>

// The data files a new fighter's origin comes from: the nations file (one
// list of nations per region) and the name file of each culture (given
// names, then surnames). Both are read-only resources: a missing file is
// read as empty lists and is never created.
namespace OriginFiles {

// Always eight lists; those the file does not hold (missing, short or
// damaged) are empty. `opened` tells whether the file was there.
QVector<QStringList> readNations(const QString &path, bool *opened = nullptr);

struct NameLists
{
    QStringList givenNames;
    QStringList surnames;
};
// A list the file does not hold comes back empty.
NameLists readNames(const QString &path);

} // namespace OriginFiles

#endif // ORIGINFILES_H
