#include "World.h"

#include "WorldStreams.h"
#include "records/GameDataStream.h"

#include <QFile>

namespace {

const char *const OrganizationKeys[] = {
    "G1", "Genesis", "KingsStadium", "GKO", "EPIC", "Ironheart", "RedStorm", "Albion", "Dubai",
    "SantaMaria", "Valhalla", "TieLong", "PomwareeStadium", "KingsOfRio", "DaichiSenshu",
    "Centurion", "NorthStar", "IvoryThrone"
};
const int FreeAgentFileCount = 4;
const int AmateurFileCount = 6;

QString organizationFile(const char *key)
{
    return QString("./Resources/Defaults/default_orgs_") + key + ".dat";
}

QString poolFile(const QString &kind, int n)
{
    return "./Resources/Defaults/default_list_" + kind + QString::number(n) + ".dat";
}

// The default files are only read. A file that is missing, does not open or
// does not hold exactly one whole record gives an empty record.
template <typename Record, typename Reader>
Record readDefaultFile(const QString &path, Reader read)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Record();
    GameDataStream in(&file);
    Record record;
    read(in, record);
    return WorldStreams::readToTheEnd(in) ? record : Record();
}

void readOrganization(QDataStream &in, Organization &organization)
{
    in >> organization;
}

// Walks the file's pool from the smallest standing up; each fighter goes in
// before those already filed under his standing.
void addPoolFile(const QString &path, WorldStreams::Pool &pool)
{
    const WorldStreams::Pool filed = readDefaultFile<WorldStreams::Pool>(path, WorldStreams::readPool);
    for (auto it = filed.constBegin(); it != filed.constEnd(); ++it)
        pool.insert(it.key(), it.value());
}

} // namespace

// Adds to the world as it is: the new-game screen calls it on a world that
// was just reset.
void World::loadDefaultData()
{
    for (const char *key : OrganizationKeys)
        organizations.append(readDefaultFile<Organization>(organizationFile(key), readOrganization));
    for (int n = 1; n <= FreeAgentFileCount; ++n)
        addPoolFile(poolFile("FreeAgent", n), freeAgents);
    for (int n = 1; n <= AmateurFileCount; ++n)
        addPoolFile(poolFile("Amateur", n), amateurs);
}
