#include "PersistTestAccess.h"

#include "FighterBuilder.h"
#include "LeagueFixtures.h"
#include "WorldTestAccess.h"
#include "records/GameDataStream.h"
#include "world/World.h"

#include <QBuffer>

namespace {

// Streams over a read-only buffer, as over a file opened for reading: the
// readers see exactly the bytes given and an end after them.
template <typename Operation>
bool readThrough(const QByteArray &bytes, Operation operation)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    GameDataStream in(&buffer);
    return operation(in);
}

} // namespace

const Gym *PersistTestAccess::gym()
{
    return World::Instance().gym.get();
}

const Manager *PersistTestAccess::manager()
{
    return World::Instance().manager.get();
}

void PersistTestAccess::setLastFighterId(int id)
{
    World::Instance().lastFighterId = id;
}

QByteArray PersistTestAccess::savedBytes()
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    World::Instance().save(out);
    return bytes;
}

bool PersistTestAccess::loadBytes(const QByteArray &bytes)
{
    return readThrough(bytes, [](QDataStream &in) { return World::Instance().load(in); });
}

bool PersistTestAccess::importBytes(const QByteArray &bytes)
{
    return readThrough(bytes, [](QDataStream &in) { return World::Instance().importFighter(in); });
}

World::FantasyResult PersistTestAccess::fantasyBytes(const QByteArray &bytes, int position, Event &event)
{
    World::FantasyResult result = World::FantasyResult::DamagedFile;
    readThrough(bytes, [&](QDataStream &in) {
        result = World::Instance().createFantasyMatch(in, position, event);
        return true;
    });
    return result;
}

void PersistTestAccess::editEveryFighter(const std::function<void(Fighter &)> &edit)
{
    World &world = World::Instance();
    for (Fighter &student : world.students)
        edit(student);
    for (GymFighter &mine : world.roster)
        edit(mine);
    for (Organization &organization : world.organizations) {
        QStringList texts;
        QVector<Event> events, lastYear;
        Organization::Roster members;
        Organization::Titles titles;
        organization.getData(texts, events, lastYear, members, titles);
        for (Fighter &member : members)
            edit(member);
        organization = Organization();
        organization.setData(texts, events, lastYear, members, titles);
    }
    for (Fighter &agent : world.freeAgents)
        edit(agent);
    for (Fighter &amateur : world.amateurs)
        edit(amateur);
}

void PersistTestAccess::editPlayerFighters(const std::function<void(GymFighter &)> &edit)
{
    for (GymFighter &mine : World::Instance().roster)
        edit(mine);
}

QByteArray PersistTestAccess::withNumberAt(QByteArray bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (24 - 8 * i)) & 0xFF);
    return bytes;
}

QVector<int> PersistTestAccess::poolIds(Pool pool)
{
    const World &world = World::Instance();
    QVector<int> ids;
    for (const Fighter &fighter : pool == FreeAgents ? world.freeAgents : world.amateurs)
        ids << fighter.getId();
    return ids;
}

namespace PersistFixtures {

using namespace WorldFixtures;

void fillLongGame()
{
    World &world = WorldTestAccess::freshWorld(25000, 340, 6);
    WorldTestAccess::setDate(QDate(2014, 7, 3));
    PersistTestAccess::setLastFighterId(1300);
    WorldTestAccess::addManagerTitle("Manager of the Year - 2013");
    world.upgradeEquipment(4);
    world.upgradeGym();

    // Two results under one date: the newer goes before the older.
    const Fighter veteran = FighterBuilder(fighter(1201, "Ken", "Sato", 12, "G1"))
                                .result(QDate(2013, 3, 1), "Win - KO")
                                .result(QDate(2013, 3, 1), "Loss - Decision")
                                .result(QDate(2012, 6, 9), "Win - Decision")
                                .record(2, 1)
                                .titles({"G1 World Championship - 2013 until Mar 1 2014", ""})
                                .build();
    const QVector<Match> card = {match("Championship Match", "Ken Sato", 1201, "Jo Park", 1101, true),
                                 match("Single Match")};
    const Event pastEvent = eventOn("G1 Grand Prix", "G1", QDate(2014, 5, 1), card, true,
                                    {"Ken Sato def. Jo Park - KO (Round 2)"});
    const Event nextEvent = eventOn("G1 Summer", "G1", QDate(2014, 8, 1), {match("Single Match")});
    WorldTestAccess::addOrganization(organization(
        "G1", "Elite", {pastEvent, nextEvent},
        {veteran, fighter(1202, "Lee", "Ma", 12, "G1"), fighter(1203, "Tom", "Ek", 3, "G1")},
        {{"World Championship", "Ken Sato"}, {"Tournament", ""}}));
    WorldTestAccess::addOrganization(Organization());
    WorldTestAccess::addOrganization(organization("Albion", "National", {}, {}, {}, "Unwilling"));

    WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 40, "G1", 7, 250, 3000));
    WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 40, "Free Agent", 2, 10, 0));
    world.setTrainingPlan(1101, TrainingType::SpeedBag);
    world.updateBooking(offer(1101, "Jo Park", "G1 Summer", "G1", QDate(2014, 8, 1)));
    WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Summer", "G1", QDate(2014, 8, 1)));
    WorldTestAccess::addOffer(offer(1102, "Al Ross", "Albion Night", "Albion", QDate(2014, 9, 12)));

    WorldTestAccess::addStudent(fighter(1150, "Cy", "Moss", 0, ""));
    WorldTestAccess::addStudent(Fighter());

    for (int id : {1210, 1211, 1212})
        WorldTestAccess::addFreeAgent(fighter(id, "Free", QString::number(id), 8000));
    WorldTestAccess::addFreeAgent(fighter(1213, "Best", "Free", 7000));
    WorldTestAccess::addAmateur(fighter(1220, "Am", "One", 9000, "Amateur"));
    WorldTestAccess::addAmateur(fighter(1221, "Am", "Two", 9000, "Amateur"));
    WorldTestAccess::addAmateur(fighter(-116, "Fantasy", "Guest", 9500, "Amateur"));
}

void fillPlayingGame()
{
    using namespace LeagueFixtures;
    const QDate today(2015, 3, 10);
    World &world = WorldTestAccess::freshWorld(20000, 150, 3);
    WorldTestAccess::setDate(today);
    PersistTestAccess::setLastFighterId(1400);
    const QVector<Match> card = {bout(MatchType::Single, 3000, 3001), bout(MatchType::Championship, 3002, 3003)};
    WorldTestAccess::addOrganization(organization(
        "O1", "National",
        {LeagueFixtures::event("O1 Night", "O1", today, card, "O1 Belt"),
         LeagueFixtures::event("O1 Spring", "O1", today.addDays(20), open(MatchType::Single, 2))},
        members(4, 3000, "O1"), {{"O1 Belt", "F3002 L3002"}}));
    WorldTestAccess::addOrganization(organization("O2", "Regional"));

    WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 500, "Free Agent", 2, 150, 0));
    WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 400, "O1", 1, 300, 2000));
    world.setTrainingPlan(1101, TrainingType::HeavyBag);
    world.updateBooking(offer(1102, "Al Ross", "O1 Spring", "O1", today.addDays(20)));
    WorldTestAccess::addOffer(offer(1101, "Jo Park", "O1 Spring", "O1", today.addDays(20)));
    WorldTestAccess::addStudent(pro(1150, "Student", 0, "Student", "Unknown", 20, 16));

    WorldTestAccess::addFreeAgent(pro(1200, "Agent", 7000));
    WorldTestAccess::addFreeAgent(pro(1201, "Veteran", 7100, "Free Agent", "Local Fighter", 60, 44));
    WorldTestAccess::addAmateur(pro(1300, "Kid", 9000, "Amateur", "Unknown", 20, 17, today.addDays(1).addYears(-18)));
}

void fillShortGame()
{
    World &world = WorldTestAccess::freshWorld(900, 20, 1);
    WorldTestAccess::setDate(QDate(2012, 2, 29));
    PersistTestAccess::setLastFighterId(1070);
    WorldTestAccess::addOrganization(organization("Genesis", "World Class", {},
                                                  {fighter(1060, "Ray", "Cho", 5, "Genesis")}));
    WorldTestAccess::addRosterFighter(gymFighter(1061, "Ina", "Vos", 60, "Genesis"));
    WorldTestAccess::addStudent(fighter(1062, "Pim", "Lo", 0, ""));
    WorldTestAccess::addFreeAgent(fighter(1063, "Ode", "Sy", 8000));
    WorldTestAccess::addAmateur(fighter(1064, "Uli", "Fa", 9000, "Amateur"));
    world.upgradeEquipment(0);
}

} // namespace PersistFixtures
