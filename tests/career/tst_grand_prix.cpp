#include <QtTest>

#include "TestSupport.h"
#include "core/CoinTossEvents.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/GameRandom.h"
#include "world/World.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// A Grand Prix from its qualifier card to its final: the daily booking pass
// fills the qualifiers in time, the winners move up the bracket, and no
// news line claims a booking that was not made.
class TestGrandPrix : public QObject
{
    Q_OBJECT

private:
    static QDate today() { return QDate(2021, 3, 1); }
    static QString title() { return "O1 Grand Prix"; }

    static QVector<Match> finalsCard()
    {
        return open(MatchType::Quarterfinal, 4) << open(MatchType::Semifinal, 2) << match(MatchType::Final);
    }

    // One organization with the two cards of its Grand Prix.
    static World &grandPrixWorld(int rosterSize, int qualifierDays, int finalsDays)
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        QMap<QString, QString> titles;
        titles.insert(title(), "Vacant");
        WorldTestAccess::addOrganization(organization("O1", "National", {
            LeagueFixtures::event("O1 Opening Round", "O1", today().addDays(qualifierDays), open(MatchType::Qualifier, 8)),
            LeagueFixtures::event("O1 Final", "O1", today().addDays(finalsDays), finalsCard(), title())},
            members(rosterSize, 3000, "O1"), titles));
        return world;
    }

    // Today's qualifier card as given, the finals card a week later.
    static World &qualifierDayWorld(const QVector<Match> &qualifiers)
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addOrganization(organization("O1", "National", {
            LeagueFixtures::event("O1 Opening Round", "O1", today(), qualifiers),
            LeagueFixtures::event("O1 Final", "O1", today().addDays(7), finalsCard(), title())},
            members(20, 3000, "O1")));
        return world;
    }

    // The organization's card on that day (its name follows its bookings).
    static Event cardOn(const QDate &date)
    {
        QVector<Event> events;
        WorldTestAccess::organization("O1").getEvents(events);
        for (const Event &candidate : events) {
            if (candidate.getDate() == date)
                return candidate;
        }
        return Event();
    }

    static int openSides(const Event &card)
    {
        return sideIds(card).count(0);
    }

    // Every "Booked <name> for ... at <event>" line names a fighter who is
    // on that event's card.
    static void checkBookedLines(const QStringList &lines)
    {
        QVector<Event> events;
        WorldTestAccess::organization("O1").getEvents(events);
        for (const QString &line : lines) {
            if (!line.startsWith("Booked "))
                continue;
            const int at = line.lastIndexOf(" at ");
            const QString eventName = line.mid(at + 4);
            const QString name = line.mid(7, line.indexOf(" for ") - 7);
            const bool onCard = std::any_of(events.cbegin(), events.cend(), [&](const Event &candidate) {
                return candidate.getName() == eventName && sideNames(candidate).contains(name);
            });
            QVERIFY2(at > 0 && onCard, qPrintable(line));
        }
    }

private slots:
    // The typical case, day by day: today's bouts, the new day, the booking
    // pass. The qualifier card is full on its date and the tournament is
    // fought to its final, whose winner holds the title.
    void tournamentRunsToItsFinal_data()
    {
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<int>("qualifierDays");
        QTest::addColumn<int>("finalsDays");
        QTest::addColumn<int>("start");

        QTest::addRow("qualifiers ten days away") << 30 << 10 << 17 << 3;
        QTest::addRow("qualifiers within the week") << 30 << 5 << 12 << 41;
        QTest::addRow("roster of just sixteen") << 16 << 6 << 9 << 77;
        QTest::addRow("large roster") << 50 << 8 << 15 << 511;
    }

    void tournamentRunsToItsFinal()
    {
        QFETCH(int, rosterSize);
        QFETCH(int, qualifierDays);
        QFETCH(int, finalsDays);
        QFETCH(int, start);

        DeterministicRandom random(start, unsigned(start) + 1);
        World &world = grandPrixWorld(rosterSize, qualifierDays, finalsDays);
        const QDate qualifierDay = today().addDays(qualifierDays);
        const QDate finalsDay = today().addDays(finalsDays);
        QStringList results;
        while (world.getDate() <= finalsDay) {
            if (world.getDate() == qualifierDay)
                QCOMPARE(openSides(cardOn(qualifierDay)), 0);
            for (const EventResults &fought : CoinTossEvents::decide(world))
                results << fought.lines;
            world.advanceDay();
            world.bookEvents();
        }

        QCOMPARE(linesContaining(results, MatchType::Qualifier + QString(" - ")).size(), 8);
        QCOMPARE(linesContaining(results, MatchType::Quarterfinal + QString(" - ")).size(), 4);
        QCOMPARE(linesContaining(results, MatchType::Semifinal + QString(" - ")).size(), 2);
        const QStringList finals = linesContaining(results, MatchType::Final + QString(" - "));
        QCOMPARE(finals.size(), 1);
        QCOMPARE(openSides(cardOn(finalsDay)), 0);
        const QString winner = finals.first().section(" - ", 1).section(" defeated ", 0, 0);
        QCOMPARE(WorldTestAccess::titleHolder("O1", title()), winner);
        checkBookedLines(results);
    }

    // The real clock: a whole last-week pass runs within a few
    // milliseconds, yet its attempts must not keep meeting the same
    // fighter. One day's pass fills the eight qualifiers from the sixteen
    // best-ranked fighters.
    void lastWeekPassFillsQualifiersOnTheRealClock_data()
    {
        QTest::addColumn<int>("rosterSize");
        QTest::addRow("sixteen") << 16;
        QTest::addRow("thirty") << 30;
    }

    void lastWeekPassFillsQualifiersOnTheRealClock()
    {
        QFETCH(int, rosterSize);
        QVERIFY(!GameRandom::isDeterministic());
        World &world = grandPrixWorld(rosterSize, 5, 12);
        const QStringList news = world.bookEvents();
        QCOMPARE(openSides(cardOn(today().addDays(5))), 0);
        QCOMPARE(linesContaining(news, "for a Tournament Qualifier at").size(), 16);
    }

    // A qualifier won while today's qualifier card is still partly open:
    // today's card is tried for a semifinal and the final and has neither.
    // Nobody is placed, so there is no line, and nothing changed.
    void unplacedWinnerGetsNoLine_data()
    {
        QTest::addColumn<bool>("playerFighter");
        QTest::addRow("organization fighter") << false;
        QTest::addRow("player's fighter") << true;
    }

    void unplacedWinnerGetsNoLine()
    {
        QFETCH(bool, playerFighter);
        QVector<Match> qualifiers = open(MatchType::Qualifier, 8);
        qualifiers[0] = match(MatchType::Qualifier, "F3000 L3000", 3000, "F3001 L3001", 3001);
        qualifiers[1] = match(MatchType::Qualifier, "F3002 L3002", 3002, "Jo Park", 1101, true);
        World &world = qualifierDayWorld(qualifiers);
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 500, "O1"));
        const Offer booking = offer(1101, "Jo Park", "O1 Opening Round", "O1", today());
        world.updateBooking(booking);
        const QVector<Organization> before = WorldTestAccess::organizations();

        QCOMPARE(world.advanceTournaments(playerFighter ? 1101 : 3000, "O1"), QString());
        QCOMPARE(WorldTestAccess::organizations(), before);
        QCOMPARE(WorldTestAccess::bookings().first(), booking);
    }

    // Today's bouts as the day's flow fights them: the results hold one line
    // per bout and no "Booked" line for winners that went nowhere.
    void todaysResultsClaimNoBooking()
    {
        DeterministicRandom random(9, 4);
        QVector<Match> qualifiers = open(MatchType::Qualifier, 8);
        for (int i = 0; i < 5; ++i) {
            const auto name = [](int id) { return "F" + QString::number(id) + " L" + QString::number(id); };
            qualifiers[i] = match(MatchType::Qualifier, name(3000 + 2 * i), 3000 + 2 * i, name(3001 + 2 * i),
                                  3001 + 2 * i);
        }
        World &world = qualifierDayWorld(qualifiers);

        const QVector<EventResults> fought = CoinTossEvents::decide(world);
        QCOMPARE(fought.size(), 1);
        QCOMPARE(fought.first().lines.size(), 5);
        QVERIFY(linesContaining(fought.first().lines, "Booked ").isEmpty());
        QCOMPARE(openSides(cardOn(today().addDays(7))), 14);
    }
};

QTEST_GUILESS_MAIN(TestGrandPrix)
#include "tst_grand_prix.moc"
