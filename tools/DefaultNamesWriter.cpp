#include "DefaultNamesWriter.h"

#include <QDataStream>
#include <QStringList>

#include "ResourceFile.h"
#include "data/NameTables.h"
#include "data/NationTable.h"
#include "world/ResourcePaths.h"

namespace DefaultNamesWriter {

bool writeNations(const QString &resourcesFolder)
{
    const int regionCount = NationTable::regionNames().size();
    return ResourceFile::writeData(ResourcePaths::nationsFile(resourcesFolder),
                                   [regionCount](QDataStream &out) {
                                       for (int region = 0; region < regionCount; ++region)
                                           out << NationTable::nationsOf(region);
                                   });
}

bool writeNameFiles(const QString &resourcesFolder)
{
    for (const CultureNames &names : NameTables::cultures()) {
        const QString file = ResourcePaths::namesFile(names.culture, resourcesFolder);
        const bool written = ResourceFile::writeData(file, [&names](QDataStream &out) {
            out << names.givenNames << names.surnames;
        });
        if (!written)
            return false;
    }
    return true;
}

bool writeAll(const QString &resourcesFolder)
{
    return writeNations(resourcesFolder) && writeNameFiles(resourcesFolder);
}

} // namespace DefaultNamesWriter
