#include <QtTest>

#include "TestSupport.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"
#include "records/GameRandom.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

using namespace LeagueFixtures;
using namespace WorldFixtures;

// The daily booking pass: title fights, then the other open sides of each
// organization's next event.
class TestBookingPass : public QObject
{
    Q_OBJECT

private:
    static const int Seeds = 30;

    static QDate today() { return QDate(2011, 3, 1); }

    // O1 (ids 3000 on, standings 10, 20, ...) with its next event
    // `daysAway` days ahead.
    static World &buildWorld(int rosterSize, int daysAway, const QVector<Match> &card,
                             const Organization::Titles &titles = {}, const QString &eventName = "O1 Event")
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addOrganization(organization("O1", "National", {
            eventOn("O1 Old", "O1", today().addDays(-10), open(MatchType::Single, 2)),
            LeagueFixtures::event(eventName, "O1", today().addDays(daysAway), card, "O1 World Championship"),
        }, members(rosterSize, 3000, "O1"), titles));
        return world;
    }

    static int filledSides(const Event &event)
    {
        const QVector<int> ids = sideIds(event);
        return int(std::count_if(ids.cbegin(), ids.cend(), [](int id) { return id != 0; }));
    }

    // Every side is open (id 0, "TBA") or names a fighter of `allowed`, and
    // nobody is on the card twice.
    static void checkSides(const Event &event, const QSet<int> &allowed)
    {
        const QVector<int> ids = sideIds(event);
        const QStringList names = sideNames(event);
        QSet<int> seen;
        for (int i = 0; i < ids.size(); ++i) {
            if (ids.at(i) == 0) {
                QCOMPARE(names.at(i), QString("TBA"));
                continue;
            }
            QVERIFY2(allowed.contains(ids.at(i)), qPrintable(QString::number(ids.at(i))));
            QVERIFY(!names.at(i).trimmed().isEmpty() && names.at(i) != "TBA");
            QVERIFY2(!seen.contains(ids.at(i)), "a fighter on the card twice");
            seen << ids.at(i);
        }
    }

    static QSet<int> rosterIds(const QString &organization)
    {
        QSet<int> ids;
        for (const Fighter &member : rosterOf(organization))
            ids << member.getId();
        return ids;
    }

private slots:
    // More than a week away: at most one booking a day from the card filling.
    void farEventGainsAtMostOneBooking()
    {
        int bookedDays = 0;
        for (int seed = 0; seed < Seeds; ++seed) {
            World &world = buildWorld(20, 9, open(MatchType::Single, 4));
            DeterministicRandom random(seed * 17, unsigned(seed) + 1);
            const QStringList news = world.bookEvents();
            const Event next = nextEvent("O1", today());
            QVERIFY(news.size() <= 1);
            QCOMPARE(filledSides(next), news.size());
            checkSides(next, rosterIds("O1"));
            bookedDays += news.size();
        }
        QVERIFY(bookedDays > 0);
    }

    // Within the last week the singles, qualifiers and quarterfinals are
    // all filled in one pass.
    void lastWeekFillsTheCard_data()
    {
        QTest::addColumn<int>("daysAway");
        QTest::addColumn<QString>("entry");
        QTest::addRow("seven days, singles") << 7 << QString(MatchType::Single);
        QTest::addRow("event today, singles") << 0 << QString(MatchType::Single);
        QTest::addRow("three days, qualifiers") << 3 << QString(MatchType::Qualifier);
        QTest::addRow("three days, quarterfinals") << 3 << QString(MatchType::Quarterfinal);
    }

    void lastWeekFillsTheCard()
    {
        QFETCH(int, daysAway);
        QFETCH(QString, entry);
        QVector<Match> card = open(entry, 4);
        if (entry != MatchType::Single)
            card << open(MatchType::Semifinal, 2) << match(MatchType::Final);
        else
            card << match(MatchType::Single);
        World &world = buildWorld(30, daysAway, card);
        DeterministicRandom random;
        const QStringList news = world.bookEvents();
        const Event next = nextEvent("O1", today());
        QVERIFY(next.singleMatchesFilled());
        QVERIFY(next.tournamentEntriesFilled());
        checkSides(next, rosterIds("O1"));
        // Semifinals and the final wait for the winners.
        QCOMPARE(news.size(), entry == MatchType::Single ? 10 : 8);
        QCOMPARE(news.first().left(6), QString("Booked"));
    }

    // A card the roster cannot fill still ends the pass, and only real
    // fighters of the roster are placed.
    void unfillableCardsEnd_data()
    {
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<QString>("card");
        QTest::addRow("three fighters, five singles") << 3 << "singles";
        QTest::addRow("no fighters") << 0 << "singles";
        QTest::addRow("one fighter, qualifiers") << 1 << "qualifiers";
        QTest::addRow("two fighters, title fight and qualifiers") << 2 << "title and qualifiers";
        QTest::addRow("six fighters, title fight and quarterfinals") << 6 << "title and quarterfinals";
    }

    void unfillableCardsEnd()
    {
        QFETCH(int, rosterSize);
        QFETCH(QString, card);
        QVector<Match> bouts;
        if (card == "singles")
            bouts = open(MatchType::Single, 5);
        else if (card == "qualifiers")
            bouts = open(MatchType::Qualifier, 8);
        else if (card == "title and qualifiers")
            bouts = open(MatchType::Qualifier, 4) << match(MatchType::Championship);
        else
            bouts = open(MatchType::Quarterfinal, 4) << match(MatchType::Championship);
        World &world = buildWorld(rosterSize, 2, bouts, {{"O1 World Championship", "Vacant"}});
        DeterministicRandom random;
        for (int day = 0; day < 3; ++day) {
            const QStringList news = world.bookEvents();
            for (const QString &line : news)
                QVERIFY2(!line.contains("Booked  for") && !line.contains("TBA for"), qPrintable(line));
            checkSides(nextEvent("O1", today()), rosterIds("O1"));
        }
    }

    void titleStep_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<QString>("eventName");
        QTest::addColumn<int>("expectedId");
        QTest::addRow("the holder") << "F3004 L3004" << 10 << "O1 Event" << 3004;
        QTest::addRow("vacant: the best ranked") << "Vacant" << 10 << "O1 Event" << 3000;
        QTest::addRow("vacant, event named after the best: the second")
            << "Vacant" << 10 << "O1: L3000 vs. TBA" << 3001;
        QTest::addRow("vacant, one fighter") << "Vacant" << 1 << "O1 Event" << 3000;
        QTest::addRow("vacant, one fighter the event is named after") << "Vacant" << 1 << "O1: L3000 vs. TBA" << 0;
        QTest::addRow("vacant, no fighters") << "Vacant" << 0 << "O1 Event" << 0;
        QTest::addRow("a holder nobody knows") << "Ghost Man" << 10 << "O1 Event" << 0;
        QTest::addRow("no titles") << "" << 10 << "O1 Event" << 0;
    }

    void titleStep()
    {
        QFETCH(QString, holder);
        QFETCH(int, rosterSize);
        QFETCH(QString, eventName);
        QFETCH(int, expectedId);
        Organization::Titles titles;
        if (!holder.isEmpty())
            titles.insert("O1 World Championship", holder);
        // The title fight is the main event, twenty days ahead.
        World &world = buildWorld(rosterSize, 20, {match(MatchType::Single), match(MatchType::Championship)},
                                  titles, eventName);
        DeterministicRandom random;
        const QStringList news = world.bookEvents();
        const Event next = nextEvent("O1", today());
        checkSides(next, rosterIds("O1"));
        const QStringList titleLines = linesContaining(news, "Championship Match");
        if (expectedId == 0) {
            // The card filling may still put a drawn fighter there, never the
            // title step on its own.
            QVERIFY(titleLines.size() <= 1);
            QVERIFY(!news.join("\n").contains("Ghost"));
            return;
        }
        const Match titleFight = next.getMatches().last();
        QCOMPARE(titleFight.getIdA(), expectedId);
        const QString name = "F" + QString::number(expectedId) + " L" + QString::number(expectedId);
        // The line names the event as it was before the booking renamed it.
        QCOMPARE(news.first(), "Booked " + name + " for a Championship Match at " + eventName);
    }

    // A player's fighter who holds the title is booked into it while he is
    // under contract there, and his booking record follows the event.
    void playerTitleHolder_data()
    {
        QTest::addColumn<QString>("contract");
        QTest::addColumn<bool>("booked");
        QTest::addRow("signed with the organization") << "O1" << true;
        QTest::addRow("signed elsewhere") << "O2" << false;
        QTest::addRow("a free agent") << "Free Agent" << false;
    }

    void playerTitleHolder()
    {
        QFETCH(QString, contract);
        QFETCH(bool, booked);
        // No roster fighter to take the other side: only the title step books.
        World &world = buildWorld(0, 20, {match(MatchType::Championship)}, {{"O1 World Championship", "Jo Park"}});
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 5, contract));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "O1 Event", "O1", today().addDays(20)));
        DeterministicRandom random;
        const QStringList news = world.bookEvents();
        const Event next = nextEvent("O1", today());
        const Offer booking = WorldTestAccess::bookings().first();
        // A title fight is not taken from an offer: the pending one stays.
        QCOMPARE(WorldTestAccess::offers().size(), 1);
        if (!booked) {
            QVERIFY(!sideIds(next).contains(1101));
            QCOMPARE(booking.getEventName(), QString("N/A"));
            return;
        }
        QCOMPARE(news.first(), QString("Booked Jo Park for a Championship Match at O1 Event"));
        QCOMPARE(next.getMatches().first().getIdA(), 1101);
        QVERIFY(next.getMatches().first().isPlayerMatch());
        QVERIFY(next.hasPlayerFighter());
        QCOMPARE(next.getName(), QString("O1: Park vs. TBA"));
        QString fighter, eventName, organizationName;
        booking.getTexts(fighter, eventName, organizationName);
        QCOMPARE(fighter, QString("Jo Park"));
        QCOMPARE(eventName, next.getName());
        QCOMPARE(organizationName, QString("O1"));
        QCOMPARE(booking.getDateText(), next.getDate().toString());
    }

    // A card-filling booking takes back the first pending offer for that
    // event; an organization fighter's booking that renames the event
    // renames the first booking record that carried the old name.
    void cardFillingFollowUps()
    {
        bool checked = false;
        for (int seed = 0; seed < Seeds && !checked; ++seed) {
            World &world = buildWorld(10, 20, {match(MatchType::Single)});
            WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 500));
            WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 600));
            world.updateBooking(offer(1101, "Jo Park", "O1 Event", "O1", today().addDays(20)));
            world.updateBooking(offer(1102, "Al Ross", "O1 Event", "O1", today().addDays(20)));
            WorldTestAccess::addOffer(offer(1101, "Jo Park", "O1 Event", "O1", today().addDays(20)));
            WorldTestAccess::addOffer(offer(1102, "Al Ross", "O1 Event", "O1", today().addDays(20)));
            WorldTestAccess::addOffer(offer(1102, "Al Ross", "O2 Event", "O2", today().addDays(20)));
            DeterministicRandom random(seed * 19, unsigned(seed) + 1);
            const QStringList news = world.bookEvents();
            if (news.isEmpty())
                continue;
            checked = true;
            QCOMPARE(news.size(), 1);
            QVERIFY(news.first().endsWith(" for a Single Match at O1 Event"));
            const Event next = nextEvent("O1", today());
            const Match mainEvent = next.getMatches().first();
            QCOMPARE(next.getName(), "O1: L" + QString::number(mainEvent.getIdA()) + " vs. TBA");
            QCOMPARE(WorldTestAccess::bookings().at(0).getEventName(), next.getName());
            QCOMPARE(WorldTestAccess::bookings().at(1).getEventName(), QString("O1 Event"));
            QStringList left;
            for (const Offer &pending : WorldTestAccess::offers())
                left << QString::number(pending.getId()) + ":" + pending.getEventName();
            QCOMPARE(left, (QStringList{"1102:O1 Event", "1102:O2 Event"}));
        }
        QVERIFY(checked);
    }

    // The player's fighters signed to an organization are drawn now and
    // then; a booked one gets his booking record and the player's mark.
    void signedPlayerFightersAreBooked()
    {
        bool bookedMine = false;
        for (int seed = 0; seed < 3 * Seeds && !bookedMine; ++seed) {
            World &world = buildWorld(30, 3, open(MatchType::Single, 6));
            WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 150, "O1"));
            DeterministicRandom random(seed * 23, unsigned(seed) + 1);
            world.bookEvents();
            const Event next = nextEvent("O1", today());
            QVERIFY(next.singleMatchesFilled());
            checkSides(next, rosterIds("O1") + QSet<int>{1101});
            bookedMine = sideIds(next).contains(1101);
            QCOMPARE(next.hasPlayerFighter(), bookedMine);
            if (bookedMine)
                QCOMPARE(WorldTestAccess::bookings().first().getEventName(), next.getName());
        }
        QVERIFY(bookedMine);
    }

    void organizationWithoutEventsBooksNothing()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addOrganization(organization("O1", "National", {}, members(10, 3000, "O1"),
                                                      {{"O1 World Championship", "Vacant"}}));
        DeterministicRandom random;
        QVERIFY(world.bookEvents().isEmpty());
    }

private:
    static const int DrawSeeds = 150;

    static QDate drawDay() { return QDate(2021, 5, 17); }

    // A day reseed of the given width: K = roll(width) reseeds, the last
    // one from the clock's milliseconds plus the day of the month.
    static void dayReseed(int width, int day)
    {
        GameRandom::reseedBurst(GameRandom::roll(width), day, false);
    }

    // One organization-side position; -1 when the draw would run past the
    // game's bound on redraws (those seeds are not compared).
    static int replayPosition(int rosterSize, const QVector<int> &remembered, int day)
    {
        dayReseed(20, day);
        for (int redraw = 0; redraw <= 8; ++redraw) {
            int p = GameRandom::roll(rosterSize);
            if (remembered.contains(p))
                p += 2;
            dayReseed(10, day);
            const int direction = GameRandom::roll(10);
            dayReseed(10, day);
            const int shift = GameRandom::roll(7);
            p += direction == 2 || direction == 3 ? shift : -shift;
            if (p >= 0 && p < rosterSize)
                return p;
        }
        return -1;
    }

    static int retirementDraw(int age, const int (&fromAges)[3])
    {
        if (age >= fromAges[2])
            return GameRandom::roll(20) + 5;
        if (age >= fromAges[1])
            return GameRandom::roll(15) + 1;
        if (age >= fromAges[0])
            return GameRandom::roll(10) + 1;
        return -1;
    }

    static QString birthdayLine(const Fighter &fighter, int age)
    {
        return fighter.getFullName() + " has turned " + QString::number(age) + " years old.";
    }

private slots:
    // The world's daily steps keep their random draws in a fixed order, range
    // and count. Each test runs a step on the seam's counters and then replays
    // the draws the step must make, from the same start: the outcome and the
    // generator's next value must both agree.
    // An event nine days away: each attempt reseeds, draws the side, then
    // the position; failed positions are remembered; the first fighter
    // below the five best is booked and the step ends.
    void bookingPass()
    {
        int compared = 0;
        for (int seed = 0; seed < DrawSeeds; ++seed) {
            World &world = WorldTestAccess::freshWorld();
            WorldTestAccess::setDate(drawDay());
            WorldTestAccess::addOrganization(organization("O1", "National", {
                LeagueFixtures::event("O1 Event", "O1", drawDay().addDays(9), open(MatchType::Single, 4))},
                members(20, 3000, "O1")));
            QStringList news;
            int nextAfterPass = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                news = world.bookEvents();
                nextAfterPass = GameRandom::draw();
            }

            QString expected;
            bool comparable = true;
            int nextAfterReplay = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                GameRandom::reseedWithClock();
                QVector<int> remembered;
                for (int counter = 10; counter >= 0 && comparable; --counter) {
                    GameRandom::reseedWithClock();
                    GameRandom::draw();
                    const int p = replayPosition(20, remembered, drawDay().day());
                    comparable = p >= 0;
                    if (p > 4) {
                        const QString name = "F" + QString::number(3000 + p) + " L" + QString::number(3000 + p);
                        expected = "Booked " + name + " for a Single Match at O1 Event";
                        break;
                    }
                    remembered << p;
                }
                nextAfterReplay = GameRandom::draw();
            }
            if (!comparable)
                continue;
            ++compared;
            QCOMPARE(news.value(0), expected);
            QCOMPARE(nextAfterPass, nextAfterReplay);
        }
        QVERIFY(compared > DrawSeeds / 2);
    }

    // The organizations' fighters draw after a clock reseed, by their age
    // band; the free agents continue the sequence without a reseed of
    // their own; a birthday that is applied draws its yearly changes.
    void agingAndRetirements()
    {
        const QDate birthday(1980, 5, 17), otherDay(1980, 2, 3);
        const QVector<QPair<int, QDate>> members{{30, birthday}, {43, otherDay}, {47, birthday},
                                                 {55, otherDay}, {39, birthday}, {52, birthday}};
        const QVector<QPair<int, QDate>> agents{{30, birthday}, {39, otherDay}, {44, birthday},
                                                {50, otherDay}, {37, birthday}};
        const int organizationBands[3] = {41, 46, 51};
        const int freeAgentBands[3] = {38, 43, 46};
        for (int seed = 0; seed < DrawSeeds; ++seed) {
            World &world = WorldTestAccess::freshWorld();
            WorldTestAccess::setDate(drawDay());
            QVector<Fighter> roster;
            for (int i = 0; i < members.size(); ++i)
                roster << pro(4000 + i, "L" + QString::number(i), 10 * (i + 1), "O1", "Unknown", 40,
                              members[i].first, members[i].second);
            WorldTestAccess::addOrganization(organization("O1", "National", {
                LeagueFixtures::event("O1 Event", "O1", drawDay().addDays(9), open(MatchType::Single, 4))}, roster));
            QVector<Fighter> pool;
            for (int i = 0; i < agents.size(); ++i) {
                pool << pro(5000 + i, "P" + QString::number(i), 10 * (i + 1), "Free Agent", "Unknown", 40,
                            agents[i].first, agents[i].second);
                WorldTestAccess::addFreeAgent(pool.last());
            }
            // Enough young free agents that no new one is made.
            for (int i = 0; i < 20; ++i)
                WorldTestAccess::addFreeAgent(pro(6000 + i, "Q" + QString::number(i), 1000 + i, "Free Agent",
                                                  "Unknown", 40, 24, otherDay));
            QStringList news;
            int nextAfterAging = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                world.ageWorldFighters(news);
                nextAfterAging = GameRandom::draw();
            }

            QStringList expected;
            int nextAfterReplay = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                int retired = 0;
                for (Fighter fighter : roster) {
                    int oldAge = 0;
                    const int age = fighter.getAgeOn(drawDay(), oldAge);
                    if (age != oldAge)
                        expected << birthdayLine(fighter, age);
                    if (age >= organizationBands[0])
                        GameRandom::reseedWithClock();
                    if (retirementDraw(age, organizationBands) >= 10) {
                        expected << fighter.getFullName() + " has retired from O1";
                        if (++retired == 4)
                            break;
                    } else if (age != oldAge) {
                        fighter.ageOneYear();
                    }
                }
                for (Fighter fighter : pool) {
                    int oldAge = 0;
                    const int age = fighter.getAgeOn(drawDay(), oldAge);
                    if (age != oldAge)
                        expected << birthdayLine(fighter, age);
                    if (retirementDraw(age, freeAgentBands) >= 10)
                        expected << fighter.getFullName() + " has retired.";
                    else if (age != oldAge)
                        fighter.ageOneYear();
                }
                nextAfterReplay = GameRandom::draw();
            }
            QCOMPARE(news, expected);
            QCOMPARE(nextAfterAging, nextAfterReplay);
        }
    }

};

QTEST_GUILESS_MAIN(TestBookingPass)
#include "tst_booking_pass.moc"
