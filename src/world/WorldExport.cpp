#include "World.h"

#include "WorldStreams.h"

void World::exportFighter(QDataStream &out, int index) const
{
    const GymFighter *fighter = rosterAt(index);
    if (!fighter)
        return;
    // Only his Fighter part: the training state stays in this game.
    out << static_cast<const Fighter &>(*fighter);
}

bool World::readExportFile(QDataStream &in, Fighter &fighter)
{
    Fighter read;
    in >> read;
    if (!WorldStreams::readToTheEnd(in))
        return false;
    fighter = read;
    return true;
}

bool World::importFighter(QDataStream &in)
{
    Fighter fighter;
    if (!readExportFile(in, fighter))
        return false;
    fighter.setId(++lastFighterId);
    freeAgents.insert(fighter.getStanding(), fighter);
    return true;
}
