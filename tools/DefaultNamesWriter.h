#ifndef DEFAULTNAMESWRITER_H
#define DEFAULTNAMESWRITER_H

#include <QString>

// Writes the nations file and the 22 name files that a new game and the
// fighter generator read from Resources/Defaults.
namespace DefaultNamesWriter {

// Resources/Defaults/default_nations.dat: eight string lists back to back,
// one per region in region order.
bool writeNations(const QString &resourcesFolder);

// ResourcePaths::namesFile for every culture: the given names, then the
// surnames, as two string lists.
bool writeNameFiles(const QString &resourcesFolder);

// The two above; false as soon as one file could not be written.
bool writeAll(const QString &resourcesFolder);

} // namespace DefaultNamesWriter

#endif // DEFAULTNAMESWRITER_H
