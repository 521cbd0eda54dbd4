#include "World.h"

#include "WorldStreams.h"
#include "records/GameDataStream.h"
#include "records/Gym.h"
#include "records/Manager.h"

namespace {

// A saved game read apart from the running one, so that a damaged or
// foreign file leaves the running game as it was.
struct SavedWorld
{
    qint32 lastFighterId = 0;
    QDate date;
    Manager manager;
    Gym gym;
    QVector<Fighter> students;
    QVector<GymFighter> roster;
    QVector<Organization> organizations;
    QMultiMap<int, Fighter> freeAgents;
    QVector<Offer> offers;
    QVector<Offer> bookings;
    QMultiMap<int, Fighter> amateurs;

    // In the file's order; each reader stops at the first fault.
    bool read(QDataStream &in)
    {
        using namespace WorldStreams;
        in >> lastFighterId >> date >> manager >> gym;
        StreamRead::readVector(in, students, SmallestFighterBytes);
        StreamRead::readVector(in, roster, SmallestGymFighterBytes);
        StreamRead::readVector(in, organizations, SmallestOrganizationBytes);
        readPool(in, freeAgents);
        StreamRead::readVector(in, offers, SmallestOfferBytes);
        StreamRead::readVector(in, bookings, SmallestOfferBytes);
        readPool(in, amateurs);
        return readToTheEnd(in);
    }
};

} // namespace

// The manager goes before the gym, although the world holds the gym first.
void World::save(QDataStream &out) const
{
    out << qint32(lastFighterId) << date;
    out << (manager ? *manager : Manager()) << (gym ? *gym : Gym());
    out << students << roster << organizations << freeAgents << offers << bookings << amateurs;
}

bool World::load(QDataStream &in)
{
    SavedWorld saved;
    if (!saved.read(in))
        return false;

    // The screens may hold on to the gym and the manager: they stay the same
    // objects and take the saved fields.
    if (!manager)
        manager.reset(new Manager());
    if (!gym)
        gym.reset(new Gym());
    lastFighterId = saved.lastFighterId;
    date = saved.date;
    *manager = saved.manager;
    *gym = saved.gym;
    students.swap(saved.students);
    roster.swap(saved.roster);
    organizations.swap(saved.organizations);
    freeAgents.swap(saved.freeAgents);
    offers.swap(saved.offers);
    bookings.swap(saved.bookings);
    amateurs.swap(saved.amateurs);
    return true;
}
