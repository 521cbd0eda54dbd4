// Today's events of the organizations fought unseen: one bout and what it
// records, and the day's pass over every card.
#include <QtTest>

#include "TestSupport.h"
#include "career/UnseenBouts.h"
#include "core/FighterBuilder.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "match/BoutScoring.h"
#include "records/FightRecordLine.h"
#include "world/World.h"

using namespace LeagueFixtures;
using FighterFields::historyOf;
using namespace WorldFixtures;

namespace {

const QDate today(2011, 5, 7);
const char *const belt = "O1 Belt";

// O1 with twelve fighters (ids 3000..3011, standings 10..120) holding
// `card` today, unwilling to negotiate. Fighters 3002 and 3009 hold an
// open line of the belt in their titles, so that a title at stake shows
// in both records.
World &leagueWorld(const QVector<Match> &card)
{
    World &world = WorldTestAccess::freshWorld();
    WorldTestAccess::setDate(today);
    QMap<QString, QString> titles;
    titles.insert(belt, "F3011 L3011");
    QVector<Fighter> roster = members(12, 3000, "O1");
    for (int i : {2, 9})
        FighterBuilder(roster[i]).titles({QString(belt) + " - from Sat Jan 1 2011"}).into(roster[i]);
    WorldTestAccess::addOrganization(organization("O1", "National", {event("Fight Night", "O1", today, card, belt)},
                                                  roster, titles, "Unwilling"));
    return world;
}

Fighter rosterFighter(const QString &organization, int id)
{
    return World::Instance().getOrgFighter(organization, id);
}

Event todaysEvent(const QString &organization)
{
    QVector<Event> events;
    WorldTestAccess::organization(organization).getEvents(events);
    return events.value(0);
}

} // namespace

class TestUnseenBouts : public QObject
{
    Q_OBJECT

private slots:
    void boutByType_data();
    void boutByType();
    void decisionNamedInAllThreeTexts();
    void sidesNotFought_data();
    void sidesNotFought();
    void eventBlockAndStorage();
    void semifinalFilledInTheSamePass();
    void playersEventUntouched();
    void twoEventsOfOneName();
};

void TestUnseenBouts::boutByType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("winnerTitled");
    QTest::addColumn<bool>("loserTitled");
    QTest::addColumn<bool>("tournamentStep");
    QTest::addRow("single") << QString(MatchType::Single) << false << false << false;
    QTest::addRow("championship") << QString(MatchType::Championship) << true << true << false;
    QTest::addRow("final") << QString(MatchType::Final) << true << false << false;
    QTest::addRow("qualifier") << QString(MatchType::Qualifier) << false << false << true;
    QTest::addRow("quarterfinal") << QString(MatchType::Quarterfinal) << false << false << true;
    QTest::addRow("semifinal") << QString(MatchType::Semifinal) << false << false << true;
}

// The line, both records, the exchange, titles and the tournament winner.
void TestUnseenBouts::boutByType()
{
    QFETCH(QString, type);
    QFETCH(bool, winnerTitled);
    QFETCH(bool, loserTitled);
    QFETCH(bool, tournamentStep);
    DeterministicRandom random(11, 5);
    World &world = leagueWorld({bout(type, 3002, 3009)});
    const Fighter a = rosterFighter("O1", 3002);
    const Fighter b = rosterFighter("O1", 3009);

    const RecordedBout recorded
        = UnseenBouts::simulateMatch(world, todaysEvent("O1"), todaysEvent("O1").getMatches().first());
    const QString line = recorded.matchLine;
    QVERIFY2(line.startsWith(type + " - "), qPrintable(line));
    const FightRecordLine sentence = FightRecordLine::parse(line);
    const bool aWon = line.startsWith(type + " - " + a.getFullName() + " defeated " + b.getFullName());
    QVERIFY(aWon || line.startsWith(type + " - " + b.getFullName() + " defeated " + a.getFullName()));
    const Fighter &winner = aWon ? a : b;
    const Fighter &loser = aWon ? b : a;

    const QStringList winnerHistory = historyOf(rosterFighter("O1", winner.getId()));
    const QStringList loserHistory = historyOf(rosterFighter("O1", loser.getId()));
    QCOMPARE(winnerHistory.size(), 1);
    QCOMPARE(loserHistory.size(), 1);
    QVERIFY(winnerHistory.first().startsWith("Win: " + loser.getFullName() + " - " + sentence.method() + " - Rd. "));
    QVERIFY(loserHistory.first().startsWith("Loss: " + winner.getFullName() + " - " + sentence.method()));
    // A title at stake shows as " - Retained ..." and " - Lost ...".
    const QString ending = " - O1: Fight Night";
    QCOMPARE(winnerHistory.first().endsWith(ending + " - Retained " + belt), winnerTitled);
    QCOMPARE(loserHistory.first().endsWith(ending + " - Lost " + belt), loserTitled);
    QVERIFY(winnerTitled || winnerHistory.first().endsWith(ending));
    QVERIFY(loserTitled || loserHistory.first().endsWith(ending));

    const int amount = BoutScoring::exchange(winner.getStanding() - loser.getStanding(),
                                             sentence.isDecision() ? BoutScoring::Decision : BoutScoring::Stoppage);
    QCOMPARE(rosterFighter("O1", winner.getId()).getStanding(), winner.getStanding() - amount);
    QCOMPARE(rosterFighter("O1", loser.getId()).getStanding(), loser.getStanding() + amount);

    QCOMPARE(recorded.tournamentWinner, tournamentStep ? winner.getId() : 0);
    const bool titleFight = winnerTitled;
    QCOMPARE(WorldTestAccess::titleHolder("O1", belt),
             titleFight ? winner.getFullName() : QString("F3011 L3011"));
}

// Whichever seed gives a decision: its name stands in the line and in
// both record lines.
void TestUnseenBouts::decisionNamedInAllThreeTexts()
{
    for (int start = 0; start < 200; ++start) {
        DeterministicRandom random(start, 3);
        World &world = leagueWorld({bout(MatchType::Single, 3000, 3001)});
        const QString line
            = UnseenBouts::simulateMatch(world, todaysEvent("O1"), todaysEvent("O1").getMatches().first()).matchLine;
        const QString method = FightRecordLine::parse(line).method();
        if (!method.endsWith("Decision"))
            continue;
        QVERIFY2(QStringList({"Unanimous Decision", "Majority Decision", "Split Decision"}).contains(method),
                 qPrintable(line));
        QVERIFY(line.contains(" by " + method + " in 3:00 of Round "));
        for (int id : {3000, 3001})
            QVERIFY(historyOf(rosterFighter("O1", id)).first().contains(" - " + method + " - Rd. "));
        return;
    }
    QFAIL("no decision in 200 bouts");
}

void TestUnseenBouts::sidesNotFought_data()
{
    QTest::addColumn<int>("idA");
    QTest::addColumn<int>("idB");
    QTest::addRow("open side") << 3000 << 0;
    QTest::addRow("both open") << 0 << 0;
    QTest::addRow("no longer on the roster") << 4000 << 3001;
    QTest::addRow("the player's fighter, card unmarked") << 3000 << 1100;
}

void TestUnseenBouts::sidesNotFought()
{
    QFETCH(int, idA);
    QFETCH(int, idB);
    World &world = leagueWorld({bout(MatchType::Semifinal, idA, idB)});
    WorldTestAccess::addRosterFighter(gymFighter(1100, "Al", "Ray", 500));
    const Organization before = WorldTestAccess::organization("O1");

    const RecordedBout recorded
        = UnseenBouts::simulateMatch(world, todaysEvent("O1"), todaysEvent("O1").getMatches().first());
    QCOMPARE(recorded.matchLine, QString());
    QCOMPARE(recorded.tournamentWinner, 0);
    QCOMPARE(WorldTestAccess::organization("O1"), before);
    QVERIFY(historyOf(WorldTestAccess::rosterFighters().first()).isEmpty());

    // The day's pass prints the event without a line for it.
    const QVector<EventResults> results = UnseenBouts::decide(world);
    QCOMPARE(results.size(), 1);
    QVERIFY(results.first().lines.isEmpty());
}

// One paragraph per bout, each line with its break; the same lines stored
// on the event; the organization willing again.
void TestUnseenBouts::eventBlockAndStorage()
{
    DeterministicRandom random(4, 9);
    World &world = leagueWorld({bout(MatchType::Single, 3000, 3001), bout(MatchType::Championship, 3002, 3011)});
    const QVector<EventResults> results = UnseenBouts::decide(world);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().eventName, QString("Fight Night"));
    const QStringList lines = results.first().lines;
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith("Single Match - ") && lines.at(0).endsWith(".\n"));
    QVERIFY(lines.at(1).startsWith("Championship Match - ") && lines.at(1).endsWith(".\n"));
    QCOMPARE(todaysEvent("O1").getResultLines(), lines);
    QCOMPARE(WorldTestAccess::organization("O1").getWillingness(), QString("Willing"));
}

// Two quarterfinal wins fill today's semifinal, fought later in the pass.
void TestUnseenBouts::semifinalFilledInTheSamePass()
{
    DeterministicRandom random(8, 2);
    World &world = leagueWorld({bout(MatchType::Quarterfinal, 3000, 3001), bout(MatchType::Quarterfinal, 3002, 3003),
                                match(MatchType::Semifinal)});
    const QStringList lines = UnseenBouts::decide(world).value(0).lines;
    QCOMPARE(lines.size(), 6);
    for (int i : {0, 2})
        QVERIFY2(lines.at(i).startsWith("Tournament Quarterfinal - ") && !lines.at(i).endsWith("\n"),
                 qPrintable(lines.at(i)));
    for (int i : {1, 3})
        QVERIFY2(lines.at(i).startsWith("Booked ") && lines.at(i).contains(" for a Tournament Semifinal at ")
                     && lines.at(i).endsWith("\n"),
                 qPrintable(lines.at(i)));
    QVERIFY(lines.at(4).startsWith("Tournament Semifinal - "));
    // Nobody to place after the semifinal: the booking text is empty.
    QCOMPARE(lines.at(5), QString("\n"));
    QCOMPARE(todaysEvent("O1").getResultLines(), lines);
}

void TestUnseenBouts::playersEventUntouched()
{
    World &world = leagueWorld({bout(MatchType::Single, 3000, 3001)});
    Organization second = organization("O2", "National", {eventOn("Player Night", "O2", today,
        {match(MatchType::Single, "Al Ray", 1100, "F3100 L3100", 3100, true)}, true)}, members(2, 3100, "O2"));
    WorldTestAccess::addOrganization(second);
    const QVector<EventResults> results = UnseenBouts::decide(world);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().eventName, QString("Fight Night"));
    QCOMPARE(WorldTestAccess::organization("O2"), second);
}

// Another organization's event of the same name today, before the one
// with a tournament: each bout is fought once, each event keeps its own
// lines, and the pass ends.
void TestUnseenBouts::twoEventsOfOneName()
{
    DeterministicRandom random(21, 4);
    World &world = leagueWorld({bout(MatchType::Single, 3000, 3001)});
    WorldTestAccess::addOrganization(organization("O2", "National", {LeagueFixtures::event("Fight Night", "O2", today,
        {bout(MatchType::Quarterfinal, 3100, 3101), bout(MatchType::Single, 3102, 3103), match(MatchType::Semifinal)})},
        members(6, 3100, "O2")));
    const QVector<EventResults> results = UnseenBouts::decide(world);
    QCOMPARE(results.size(), 2);
    QCOMPARE(results.at(0).lines.size(), 1);
    QCOMPARE(todaysEvent("O1").getResultLines(), results.at(0).lines);
    // Quarterfinal, its booking, the single match; the semifinal has one side.
    QCOMPARE(results.at(1).lines.size(), 3);
    QVERIFY(results.at(1).lines.at(2).startsWith("Single Match - "));
    QCOMPARE(todaysEvent("O2").getResultLines(), results.at(1).lines);
    for (int id : {3000, 3001, 3100, 3101, 3102, 3103})
        QCOMPARE(historyOf(rosterFighter(id < 3100 ? "O1" : "O2", id)).size(), 1);
}

QTEST_GUILESS_MAIN(TestUnseenBouts)
#include "tst_unseen_bouts.moc"
