#include "WorldTestAccess.h"

#include "BoutBuilder.h"
#include "EventBuilder.h"
#include "FighterBuilder.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "world/World.h"

World &WorldTestAccess::freshWorld(int money, int reputationPoints, int negotiating)
{
    World &world = World::Instance();
    world.reset();

    QVector<int> gymNumbers(Gym::IntCount, 0);
    gymNumbers[Gym::MoneyIndex] = money;
    gymNumbers[Gym::StudentSlotsIndex] = 3;
    gymNumbers[Gym::FighterSlotsIndex] = 10;
    world.setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"}, gymNumbers,
                   QVector<int>(Gym::MonthCount, 0));

    QVector<int> managerNumbers(Manager::IntCount, 0);
    managerNumbers[Manager::ReputationPointsIndex] = reputationPoints;
    managerNumbers[Manager::NegotiatingIndex] = negotiating;
    world.setupManager({"Sam", "Cole", "Europe", "England", Manager::reputationLabel(reputationPoints)},
                       managerNumbers, QStringList());
    return world;
}

void WorldTestAccess::setDate(const QDate &date)
{
    World::Instance().date = date;
}

int WorldTestAccess::lastFighterId()
{
    return World::Instance().lastFighterId;
}

bool WorldTestAccess::hasGymAndManager()
{
    return World::Instance().gym && World::Instance().manager;
}

void WorldTestAccess::addStudent(const Fighter &fighter)
{
    World::Instance().students << fighter;
}

void WorldTestAccess::addRosterFighter(const GymFighter &fighter)
{
    World &world = World::Instance();
    world.roster << fighter;
    Offer booking;
    booking.set(fighter.getId(), {fighter.getFullName(), Offer::NoText, Offer::NoText}, Offer::noDate());
    world.bookings << booking;
}

void WorldTestAccess::addOrganization(const Organization &organization)
{
    World::Instance().organizations << organization;
}

void WorldTestAccess::addOrganizationFirst(const Organization &organization)
{
    World::Instance().organizations.prepend(organization);
}

void WorldTestAccess::addFreeAgent(const Fighter &fighter)
{
    World::Instance().freeAgents.insert(fighter.getStanding(), fighter);
}

void WorldTestAccess::addAmateur(const Fighter &fighter)
{
    World::Instance().amateurs.insert(fighter.getStanding(), fighter);
}

void WorldTestAccess::addOffer(const Offer &offer)
{
    World::Instance().offers << offer;
}

void WorldTestAccess::addManagerTitle(const QString &title)
{
    World &world = World::Instance();
    QStringList texts, titles;
    QVector<int> numbers;
    world.manager->getStreamData(texts, numbers, titles);
    world.manager->setData(texts, numbers, titles << title);
}

QVector<Offer> WorldTestAccess::offers()
{
    return World::Instance().offers;
}

QVector<Offer> WorldTestAccess::bookings()
{
    return World::Instance().bookings;
}

QMultiMap<int, Fighter> WorldTestAccess::amateurs()
{
    return World::Instance().amateurs;
}

Organization WorldTestAccess::organization(const QString &name)
{
    const Organization *found = World::Instance().findOrganization(name);
    return found ? *found : Organization();
}

QString WorldTestAccess::titleHolder(const QString &organizationName, const QString &title)
{
    Organization::Titles titles;
    organization(organizationName).getTitles(titles);
    return titles.value(title);
}

QMultiMap<int, Fighter> WorldTestAccess::freeAgents()
{
    return World::Instance().freeAgents;
}

QVector<Organization> WorldTestAccess::organizations()
{
    return World::Instance().organizations;
}

QVector<GymFighter> WorldTestAccess::rosterFighters()
{
    return World::Instance().roster;
}

QVector<Fighter> WorldTestAccess::students()
{
    return World::Instance().students;
}

namespace WorldFixtures {

namespace {

QStringList fighterTexts(const QString &firstName, const QString &lastName, const QString &organization)
{
    return {firstName, lastName, "Japan", "Asia", "Kickboxing", "Outfighter", organization,
            "Unknown", "Blue", "White", "Black", ""};
}

FighterBuilder worldFighter(int id, const QString &firstName, const QString &lastName, int standing,
                            const QString &organization)
{
    return FighterBuilder()
        .texts(fighterTexts(firstName, lastName, organization))
        .numbers(QVector<int>(Fighter::IntCount, 40))
        .numbers({{Fighter::AgeIndex, 24}, {Fighter::WinsIndex, 0}, {Fighter::LossesIndex, 0},
                  {Fighter::KnockoutsIndex, 0}, {Fighter::ContractMatchesIndex, 4},
                  {Fighter::BodyImageIndex, id % 100}, {Fighter::HeadImageIndex, id % 100 + 1},
                  {Fighter::FaceImageIndex, id % 100 + 2}, {Fighter::IdIndex, id},
                  {Fighter::StandingIndex, standing}})
        .born(QDate(1990, 5, 17));
}

} // namespace

Fighter fighter(int id, const QString &firstName, const QString &lastName, int standing,
                const QString &organization)
{
    return worldFighter(id, firstName, lastName, standing, organization).build();
}

GymFighter gymFighter(int id, const QString &firstName, const QString &lastName, int standing,
                      const QString &organization, int charisma, int reputationPoints, int purse)
{
    return worldFighter(id, firstName, lastName, standing, organization).gymFighter(charisma, reputationPoints, purse);
}

Match match(const QString &type, const QString &nameA, int idA, const QString &nameB, int idB,
            bool playerMatch)
{
    return BoutBuilder(type).sideA(nameA, idA).sideB(nameB, idB).forPlayer(playerMatch).build();
}

Event eventOn(const QString &name, const QString &organization, const QDate &date,
            const QVector<Match> &card, bool playerFighterOnCard, const QStringList &resultLines)
{
    return EventBuilder(name, organization, date)
        .card(card)
        .withPlayerFighter(playerFighterOnCard)
        .results(resultLines)
        .build();
}

Organization organization(const QString &name, const QString &tier, const QVector<Event> &events,
                          const QVector<Fighter> &members, const QMap<QString, QString> &titles,
                          const QString &willingness)
{
    Organization::Roster roster;
    for (const Fighter &member : members)
        roster.insert(member.getStanding(), member);
    Organization made;
    made.setData({name, "Ceo", "Japan", "", tier, "Bio", willingness}, events, QVector<Event>(), roster,
                 titles);
    return made;
}

Offer offer(int id, const QString &fighterName, const QString &eventName, const QString &organization,
            const QDate &date)
{
    Offer made;
    made.set(id, {fighterName, eventName, organization}, date);
    return made;
}

} // namespace WorldFixtures
