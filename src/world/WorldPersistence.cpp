#include "World.h"

#include "WorldStreams.h"
#include "records/GameDataStream.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "records/PlayableBounds.h"

// The manager goes before the gym, although the world holds the gym first.
void World::save(QDataStream &out) const
{
    out << qint32(lastFighterId) << date;
    out << (manager ? *manager : Manager()) << (gym ? *gym : Gym());
    out << students << roster << organizations << freeAgents << offers << bookings << amateurs;
}

bool World::load(QDataStream &in)
{
    // Read apart from the running game, so that a damaged or foreign file
    // leaves it as it was.
    World saved;
    saved.manager.reset(new Manager());
    saved.gym.reset(new Gym());
    if (!saved.readSavedGame(in))
        return false;

    // The screens may hold on to the gym and the manager: they stay the same
    // objects and take the saved fields.
    if (!manager)
        manager.reset(new Manager());
    if (!gym)
        gym.reset(new Gym());
    *manager = *saved.manager;
    *gym = *saved.gym;
    lastFighterId = saved.lastFighterId;
    date = saved.date;
    students.swap(saved.students);
    roster.swap(saved.roster);
    organizations.swap(saved.organizations);
    freeAgents.swap(saved.freeAgents);
    offers.swap(saved.offers);
    bookings.swap(saved.bookings);
    amateurs.swap(saved.amateurs);
    return true;
}

// In the file's order; each reader does nothing once the stream has failed.
bool World::readSavedGame(QDataStream &in)
{
    using namespace WorldStreams;
    qint32 savedLastId = 0;
    in >> savedLastId >> date >> *manager >> *gym;
    lastFighterId = PlayableBounds::boundLastFighterId(savedLastId);
    StreamRead::readVector(in, students, SmallestFighterBytes);
    StreamRead::readVector(in, roster, SmallestGymFighterBytes);
    StreamRead::readVector(in, organizations, SmallestOrganizationBytes);
    readPool(in, freeAgents);
    StreamRead::readVector(in, offers, SmallestOfferBytes);
    StreamRead::readVector(in, bookings, SmallestOfferBytes);
    readPool(in, amateurs);
    return readToTheEnd(in);
}
