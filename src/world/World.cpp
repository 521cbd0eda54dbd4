#include "World.h"

#include "records/Gym.h"
#include "records/Manager.h"

namespace {

const int FirstLastFighterId = 1058;
const QDate FirstGameDay(2011, 1, 1);

// Fantasy matches put their two fighters in the amateur pool under ids
// below this.
const int LowestLastingAmateurId = -100;

} // namespace

World &World::Instance()
{
    static World world;
    return world;
}

World::World()
    : lastFighterId(0)
{
}

World::~World() = default;

void World::init()
{
    gym.reset(new Gym());
    manager.reset(new Manager());
    lastFighterId = FirstLastFighterId;
    date = FirstGameDay;
}

void World::reset()
{
    deleteGymAndManager();
    init();
    students.clear();
    roster.clear();
    organizations.clear();
    freeAgents.clear();
    offers.clear();
    bookings.clear();
    amateurs.clear();
}

void World::deleteGymAndManager()
{
    gym.reset();
    manager.reset();
}

void World::advanceDay()
{
    date = date.addDays(1);
}

void World::setupManager(const QStringList &texts, const QVector<int> &numbers, const QStringList &titles)
{
    if (manager)
        manager->setData(texts, numbers, titles);
}

void World::setupGym(const QStringList &texts, const QVector<int> &numbers, const QVector<int> &monthFigures)
{
    if (gym)
        gym->setData(texts, numbers, monthFigures);
}

// The forwarders below are only called while a game runs, that is while the
// world has a gym and a manager; without them they answer nothing.

void World::getManagerStats(QVector<int> &out) const
{
    if (manager)
        manager->getData(out);
}

void World::getManagerData(QStringList &texts, QVector<int> &numbers, QStringList &titles) const
{
    if (manager)
        manager->getStreamData(texts, numbers, titles);
}

void World::levelUpManager(const QVector<int> &skills)
{
    if (manager)
        manager->setInts(skills);
}

QString World::getFatigueLabel(int value) const
{
    return manager ? manager->getFatigueLabel(value) : QString();
}

QString World::getLearningSpeedLabel(int value) const
{
    return manager ? manager->getLearningSpeedLabel(value) : QString();
}

void World::getGymStats(QVector<int> &out) const
{
    if (gym)
        gym->getData(out);
}

void World::getGymFinances(QVector<int> &out) const
{
    if (gym)
        gym->getInts(out);
}

void World::getGymData(QStringList &texts, QVector<int> &numbers, QVector<int> &monthFigures) const
{
    if (gym)
        gym->getStreamData(texts, numbers, monthFigures);
}

bool World::upgradeGym()
{
    return gym && gym->upgradeLevel();
}

bool World::upgradeEquipment(int index)
{
    return gym && gym->upgradeEquipment(index);
}

void World::closeGymMonth()
{
    if (gym)
        gym->closeMonth();
}

void World::purgeTemporaryAmateurs()
{
    for (auto it = amateurs.begin(); it != amateurs.end();) {
        if (it.value().getId() < LowestLastingAmateurId)
            it = amateurs.erase(it);
        else
            ++it;
    }
}

const GymFighter *World::rosterAt(int position) const
{
    return entryAt(roster, position);
}

GymFighter *World::rosterAt(int position)
{
    return position >= 0 && position < roster.size() ? &roster[position] : nullptr;
}

int World::rosterIndexOf(int id) const
{
    for (int i = 0; i < roster.size(); ++i) {
        if (roster.at(i).getId() == id)
            return i;
    }
    return -1;
}

const GymFighter *World::rosterFighter(int id) const
{
    return rosterAt(rosterIndexOf(id));
}

GymFighter *World::rosterFighter(int id)
{
    return rosterAt(rosterIndexOf(id));
}

int World::organizationIndexOf(const QString &name) const
{
    for (int i = 0; i < organizations.size(); ++i) {
        if (organizations.at(i).getName() == name)
            return i;
    }
    return -1;
}

const Organization *World::findOrganization(const QString &name) const
{
    return entryAt(organizations, organizationIndexOf(name));
}

Organization *World::findOrganization(const QString &name)
{
    const int index = organizationIndexOf(name);
    return index < 0 ? nullptr : &organizations[index];
}

int findStringIndex(const QStringList &list, const QString &text)
{
    return list.indexOf(text);
}
