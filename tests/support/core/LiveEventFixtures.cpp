#include "LiveEventFixtures.h"

#include "EventBuilder.h"
#include "FighterBuilder.h"
#include "TestSupport.h"
#include "WorldTestAccess.h"
#include "records/Manager.h"
#include "world/World.h"

namespace LiveEventFixtures {

const QString League = QStringLiteral("Test League");
const QString Title = QStringLiteral("Test League World Championship");
const QString EventName = QStringLiteral("Fight Night 1");

namespace {

const char *const firstNames[RosterSize] = {"Bo", "Cy", "Di", "Ed", "Fe", "Gu"};
const char *const lastNames[RosterSize] = {"Lee", "Orr", "Poe", "Fox", "Gil", "Hao"};

GymFighter playerFighter(int attribute = 40)
{
    GymFighter made = WorldFixtures::gymFighter(PlayerId, "Al", "Ray", 250, League);
    FighterBuilder(made).attributes(attribute).into(made);
    return made;
}

QString nameOf(int id)
{
    if (id == PlayerId)
        return QStringLiteral("Al Ray");
    const int i = id - rosterId(0);
    return i >= 0 && i < RosterSize ? rosterName(i) : QString(Match::OpenName);
}

QVector<Fighter> roster()
{
    QVector<Fighter> members;
    for (int i = 0; i < RosterSize; ++i)
        members << WorldFixtures::fighter(rosterId(i), firstNames[i], lastNames[i], 100 * (i + 1), League);
    return members;
}

} // namespace

int rosterId(int i)
{
    return 1200 + i;
}

QString rosterName(int i)
{
    return QString::fromLatin1(firstNames[i]) + " " + QString::fromLatin1(lastNames[i]);
}

Match bout(const QString &type, int idA, int idB, bool player)
{
    return WorldFixtures::match(type, nameOf(idA), idA, nameOf(idB), idB, player);
}

QVector<Match> threeBoutCard()
{
    return {bout(MatchType::Single, rosterId(1), rosterId(2)),
            bout(MatchType::Single, PlayerId, rosterId(0), true),
            bout(MatchType::Single, rosterId(3), rosterId(4))};
}

QVector<Match> championshipCard()
{
    return {bout(MatchType::Single, rosterId(1), rosterId(2)),
            bout(MatchType::Championship, rosterId(0), PlayerId, true)};
}

QVector<Match> tournamentCard()
{
    return {bout(MatchType::Quarterfinal, PlayerId, rosterId(0), true),
            bout(MatchType::Quarterfinal, rosterId(1), rosterId(2)),
            bout(MatchType::Semifinal, 0, 0)};
}

void setManagerAbilities(int cornering, int motivating)
{
    World &world = World::Instance();
    QStringList texts, titles;
    QVector<int> numbers;
    world.getManagerData(texts, numbers, titles);
    numbers[Manager::CorneringIndex] = cornering;
    numbers[Manager::MotivatingIndex] = motivating;
    world.setupManager(texts, numbers, titles);
}

Event install(const QVector<Match> &card, const QString &title, int cornering, int motivating,
              const QString &name, int playerAttribute)
{
    World &world = WorldTestAccess::freshWorld();
    setManagerAbilities(cornering, motivating);
    WorldTestAccess::addRosterFighter(playerFighter(playerAttribute));
    const Event event = EventBuilder(name, League, world.getDate()).card(card).withPlayerFighter().title(title).build();
    WorldTestAccess::addOrganization(WorldFixtures::organization(League, "National", {event}, roster()));
    const QVector<Event> today = world.getTodaysPlayerEvents();
    return today.isEmpty() ? Event() : today.first();
}

Event installFantasy(int cornering, int motivating, const QString &firstName, const QString &lastName)
{
    World &world = WorldTestAccess::freshWorld();
    setManagerAbilities(cornering, motivating);
    WorldTestAccess::addRosterFighter(playerFighter());
    GameDataStream in(TestStream::bytesOf(WorldFixtures::fighter(1300, firstName, lastName, 700)));
    Event event;
    world.createFantasyMatch(in, 0, event);
    return event;
}

} // namespace LiveEventFixtures
