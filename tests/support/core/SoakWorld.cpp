#include "SoakWorld.h"

#include "FighterBuilder.h"
#include "GeneratorTestFiles.h"
#include "LeagueFixtures.h"
#include "WorldTestAccess.h"
#include "core/CoinTossEvents.h"
#include "career/DayRunner.h"
#include "career/UnseenBouts.h"
#include "records/GameRandom.h"
#include "records/ReputationLadder.h"
#include "world/World.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLocale>
#include <QSet>

using namespace LeagueFixtures;
using namespace WorldFixtures;

namespace SoakWorld {

namespace {


struct OrganizationPlan
{
    const char *name;
    const char *tier;
    int rosterSize;
    int attribute;
};

// From a full roster down to an empty one, so that low rosters are met.
const OrganizationPlan plans[] = {
    {"Apex", "Elite", 34, 75},      {"Crown", "World Class", 31, 64},
    {"Vanguard", "International", 26, 52}, {"Harbor", "International", 12, 50},
    {"Summit", "National", 20, 38}, {"Ridge", "National", 6, 36},
    {"Meadow", "Regional", 2, 22},  {"Hollow", "Regional", 0, 20},
};

int between(int low, int high)
{
    return low + GameRandom::roll(high - low + 1);
}

Fighter randomFighter(int year, int id, int standing, const QString &organization, int attribute, int lowAge,
                      int highAge)
{
    const int age = between(lowAge, highAge);
    const QDate birthday(year - age, between(1, 12), between(1, 28));
    const QString label = ReputationLadder::labels().at(GameRandom::roll(ReputationLadder::RankCount));
    Fighter made = pro(id, "S" + QString::number(id), standing, organization, label,
                       qBound(5, attribute + between(-8, 8), 95), age, birthday);
    FighterBuilder(made).number(Fighter::ContractMatchesIndex, between(1, 5)).into(made);
    return made;
}

QVector<Event> yearOfEvents(int year, const QString &name, int offset)
{
    const QString worldTitle = name + " World Championship";
    const QString grandPrix = name + " Grand Prix " + QString::number(year);
    QVector<Event> events;
    for (int month = 1; month <= 12; ++month) {
        const QDate day(year, month, 3 + offset * 3);
        const QString eventName = name + " " + QLocale::c().monthName(month);
        switch (month % 4) {
        case 0:
            events << event(eventName, name, day, open(MatchType::Single, 4) << match(MatchType::Championship),
                            worldTitle);
            break;
        case 1:
            events << event(eventName, name, day, open(MatchType::Single, 5));
            break;
        case 2:
            events << event(eventName + " Qualifiers", name, day, open(MatchType::Qualifier, 8), grandPrix);
            break;
        default:
            events << event(eventName + " Finals", name, day,
                            open(MatchType::Quarterfinal, 4) << open(MatchType::Semifinal, 2)
                                                             << match(MatchType::Final),
                            grandPrix);
            break;
        }
    }
    return events;
}

void addOrganizations(int year)
{
    int offset = 0;
    for (const OrganizationPlan &plan : plans) {
        const int firstId = 200000 + 1000 * offset;
        QVector<Fighter> roster;
        for (int i = 0; i < plan.rosterSize; ++i)
            roster << randomFighter(year, firstId + i, between(1, 3000), plan.name, plan.attribute, 19, 56);
        Organization::Titles titles;
        titles.insert(QString(plan.name) + " World Championship",
                      roster.isEmpty() ? QString("Vacant") : roster.first().getFullName());
        titles.insert(QString(plan.name) + " Grand Prix " + QString::number(year), "Vacant");
        WorldTestAccess::addOrganization(organization(plan.name, plan.tier, yearOfEvents(year, plan.name, offset % 8),
                                                      roster, titles));
        ++offset;
    }
}

void addPlayerFighters()
{
    GymFighter signedOne = gymFighter(100001, "Jo", "Park", 900, "Vanguard");
    FighterBuilder(signedOne)
        .number(Fighter::ContractMatchesIndex, 3)
        .text(Fighter::ReputationText, "Nationally Ranked")
        .into(signedOne);
    GymFighter localOne = gymFighter(100002, "Al", "Ross", 2500);
    FighterBuilder(localOne).text(Fighter::ReputationText, "Local Fighter").into(localOne);
    GymFighter unknownOne = gymFighter(100003, "Cy", "Moss", 2900);
    WorldTestAccess::addRosterFighter(signedOne);
    WorldTestAccess::addRosterFighter(localOne);
    WorldTestAccess::addRosterFighter(unknownOne);
}

void addPlace(Census &census, QHash<int, QString> &places, const Fighter &fighter, const QString &place)
{
    const int id = fighter.getId();
    if (places.contains(id))
        census.duplicates << QString::number(id) + " in " + places.value(id) + " and " + place;
    places.insert(id, place);
    census.names.insert(id, fighter.getFullName());
}

} // namespace

World &build(int year, unsigned int seed)
{
    GeneratorTestFiles::removeResources();
    GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
    GeneratorTestFiles::writeAllNames(40);

    World &world = WorldTestAccess::freshWorld(50000);
    WorldTestAccess::setDate(QDate(year, 1, 1));
    GameRandom::seed(seed);
    addOrganizations(year);
    for (int i = 0; i < 40; ++i)
        WorldTestAccess::addFreeAgent(randomFighter(year, 300000 + i, between(1, 4000), "Free Agent", 45, 19, 50));
    for (int i = 0; i < 10; ++i)
        WorldTestAccess::addAmateur(randomFighter(year, 400000 + i, between(1, 4000), "Amateur", 30, 15, 17));
    addPlayerFighters();
    return world;
}

Census census()
{
    Census census;
    QHash<int, QString> places;
    for (const Organization &organization : WorldTestAccess::organizations()) {
        Organization::Roster roster;
        organization.getRoster(roster);
        for (const Fighter &fighter : roster)
            addPlace(census, places, fighter, organization.getName());
    }
    for (const Fighter &fighter : WorldTestAccess::freeAgents())
        addPlace(census, places, fighter, "Free Agent");
    for (const Fighter &fighter : WorldTestAccess::amateurs())
        addPlace(census, places, fighter, "Amateur");
    for (const GymFighter &fighter : WorldTestAccess::rosterFighters())
        addPlace(census, places, fighter, "Player");
    return census;
}

namespace {

void checkRosters(QStringList &out)
{
    for (const Organization &organization : WorldTestAccess::organizations()) {
        Organization::Roster roster;
        organization.getRoster(roster);
        for (auto it = roster.cbegin(); it != roster.cend(); ++it) {
            if (it.key() != it->getStanding())
                out << organization.getName() + ": key " + QString::number(it.key()) + " for standing "
                           + QString::number(it->getStanding());
            if (FighterFields::text(*it, Fighter::OrganizationText) != organization.getName())
                out << organization.getName() + ": " + it->getFullName() + " signed to "
                           + FighterFields::text(*it, Fighter::OrganizationText);
        }
    }
    for (const Fighter &fighter : WorldTestAccess::freeAgents()) {
        if (FighterFields::text(fighter, Fighter::OrganizationText) != "Free Agent")
            out << "free agent " + fighter.getFullName() + " signed to " + FighterFields::text(fighter, Fighter::OrganizationText);
    }
}

void checkBookings(QStringList &out)
{
    QVector<int> rosterIds, bookingIds;
    World::Instance().getRosterIds(rosterIds);
    for (const Offer &booking : WorldTestAccess::bookings())
        bookingIds << booking.getId();
    std::sort(rosterIds.begin(), rosterIds.end());
    std::sort(bookingIds.begin(), bookingIds.end());
    if (rosterIds != bookingIds)
        out << "bookings do not match the player's fighters";
}

void checkNextEvents(QStringList &out)
{
    QHash<int, QString> playerNames;
    for (const GymFighter &fighter : WorldTestAccess::rosterFighters())
        playerNames.insert(fighter.getId(), fighter.getFullName());
    const QDate today = World::Instance().getDate();
    for (const Organization &organization : WorldTestAccess::organizations()) {
        QHash<int, QString> allowed = playerNames;
        Organization::Roster roster;
        organization.getRoster(roster);
        for (const Fighter &fighter : roster)
            allowed.insert(fighter.getId(), fighter.getFullName());
        const Event next = organization.getNextEvent(today);
        const QVector<int> ids = sideIds(next);
        const QStringList names = sideNames(next);
        for (int i = 0; i < ids.size(); ++i) {
            const bool open = names.at(i) == "TBA";
            if (open != (ids.at(i) == 0) || (!open && allowed.value(ids.at(i)) != names.at(i)))
                out << next.getName() + ": side " + names.at(i) + " (" + QString::number(ids.at(i)) + ")";
        }
    }
}

} // namespace

QStringList breaches()
{
    QStringList out = census().duplicates;
    checkRosters(out);
    checkBookings(out);
    checkNextEvents(out);
    return out;
}

namespace {

// Everybody who is gone today must have retired today.
QString departures(const Census &before, const Census &after, const DayNews &news)
{
    for (auto it = before.names.cbegin(); it != before.names.cend(); ++it) {
        if (after.names.contains(it.key()))
            continue;
        const QString retired = it.value() + " has retired";
        const bool reported = std::any_of(news.fighterNews.cbegin(), news.fighterNews.cend(),
                                          [&](const QString &line) { return line.startsWith(retired); });
        if (!reported)
            return it.value() + " vanished";
    }
    return QString();
}

void count(Totals &totals, const DayNews &news)
{
    ++totals.days;
    totals.bookings += news.bookingNews.size();
    totals.signings += news.freeAgentNews.size();
    totals.newStudents += news.newStudent.isEmpty() ? 0 : 1;
    for (const QString &line : news.fighterNews) {
        totals.retirements += line.contains(" has retired") ? 1 : 0;
        totals.newProfessionals += line.endsWith(" has come of age and turned professional.") ? 1 : 0;
    }
    for (const EventResults &event : news.events) {
        for (const QString &line : event.lines) {
            totals.bouts += line.contains(" defeated ") ? 1 : 0;
            totals.tournamentSteps += line.startsWith("Booked ") ? 1 : 0;
            totals.titleBouts += line.startsWith(MatchType::Championship) || line.startsWith(MatchType::Final);
            totals.finals += line.startsWith(MatchType::Final + QString(" - "));
        }
    }
}

// History lines of every organization's roster fighter.
int rosterHistoryLines()
{
    int lines = 0;
    for (const Organization &organization : WorldTestAccess::organizations()) {
        Organization::Roster roster;
        organization.getRoster(roster);
        for (const Fighter &fighter : qAsConst(roster)) {
            QMultiMap<QDate, QString> history;
            fighter.getHistory(history);
            lines += history.size();
        }
    }
    return lines;
}

// Result lines naming a fought bout on today's events of the organizations.
int boutLinesToday(const World &world)
{
    int lines = 0;
    for (const Event &event : world.getTodaysEvents()) {
        for (const QString &line : event.getResultLines())
            lines += line.contains(" defeated ") ? 1 : 0;
    }
    return lines;
}

} // namespace

QString Totals::summary() const
{
    return QString("%1 days in %2 ms (worst day %3 ms): %4 bookings, %5 bouts, %6 title bouts, "
                   "%7 tournament steps, %8 signings, %9 retirements, %10 new professionals, "
                   "%11 new students, %13 finals, %14 bouts not fought; %12 fighters left")
        .arg(days).arg(milliseconds).arg(worstDayMilliseconds).arg(bookings).arg(bouts).arg(titleBouts)
        .arg(tournamentSteps).arg(signings).arg(retirements).arg(newProfessionals).arg(newStudents)
        .arg(fightersLeft).arg(finals).arg(skippedBouts);
}

QString run(World &world, const QDate &end, Totals &totals)
{
    // The player's cards have no event screen here: a coin toss decides
    // them. The others are fought unseen, and every fought bout must leave
    // one history line per fighter and one result line on its event.
    QString eventsBreach;
    const auto todaysEvents = [&](World &w) {
        QVector<EventResults> all = CoinTossEvents::decidePlayerEvents(w);
        const int historyBefore = rosterHistoryLines();
        UnseenBouts::Counts counts;
        all << UnseenBouts::decideCounting(w, counts);
        const int historyAdded = rosterHistoryLines() - historyBefore;
        const int boutLines = boutLinesToday(w);
        if (historyAdded != 2 * counts.fought || boutLines != counts.fought)
            eventsBreach = QString("%1 bouts fought, %2 history lines, %3 result lines")
                               .arg(counts.fought).arg(historyAdded).arg(boutLines);
        totals.skippedBouts += counts.skipped;
        return all;
    };
    DayRunner runner(world, todaysEvents);
    QElapsedTimer clock;
    clock.start();
    Census before = census();
    if (!before.duplicates.isEmpty())
        return "before the first day: " + before.duplicates.join("; ");
    while (world.getDate() < end) {
        QElapsedTimer dayClock;
        dayClock.start();
        const DayNews news = runner.runDay();
        totals.worstDayMilliseconds = std::max(totals.worstDayMilliseconds, dayClock.elapsed());

        const QStringList found = breaches();
        const Census after = census();
        const QString gone = departures(before, after, news);
        if (!found.isEmpty() || !gone.isEmpty() || !eventsBreach.isEmpty())
            return news.day.toString() + ": " + (found + QStringList{gone, eventsBreach}).join("; ");
        before = after;
        count(totals, news);
    }
    totals.milliseconds = clock.elapsed();
    totals.fightersLeft = before.names.size();
    return QString();
}

} // namespace SoakWorld
