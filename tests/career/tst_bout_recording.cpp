// A finished bout written into the world, the same for the live event and
// the unseen bouts, from bouts made by hand: no match engine, no seeds.
#include <QtTest>

#include "career/BoutRecording.h"
#include "core/LiveEventFixtures.h"
#include "core/WorldTestAccess.h"
#include "match/UnseenBout.h"
#include "world/World.h"

using namespace LiveEventFixtures;

Q_DECLARE_METATYPE(Match)

namespace {

// As the engine leaves a bout, the decision already named.
BoutResult finished(int winnerId, int loserId, bool stoppage)
{
    const QString method = stoppage ? "KO(Hook) - Rd. 2(1:23)" : "Unanimous Decision - Rd. 3(3:00)";
    BoutResult bout;
    bout.stoppage = stoppage;
    bout.winnerId = winnerId;
    bout.loserId = loserId;
    bout.resultText = QString::number(winnerId) + " defeated " + QString::number(loserId);
    bout.winnerLine = "Win: " + QString::number(loserId) + " - " + method;
    bout.loserLine = "Loss: " + QString::number(winnerId) + " - " + method;
    return bout;
}

Fighter anyFighter(int id)
{
    return id == PlayerId ? World::Instance().getFighterById(id) : World::Instance().getOrgFighter(League, id);
}

RecordedBout record(const Event &event, const QString &type, const BoutResult &bout)
{
    const int gap = BoutRecording::standingGap(anyFighter(bout.winnerId), anyFighter(bout.loserId), bout.winnerId);
    return BoutRecording::record(World::Instance(), event, type, bout, gap);
}

QStringList historyOf(const Fighter &fighter)
{
    QMultiMap<QDate, QString> history;
    fighter.getHistory(history);
    return history.values();
}

} // namespace

class TestBoutRecording : public QObject
{
    Q_OBJECT

private slots:
    void recordsBothSides_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("loser");
        QTest::addColumn<bool>("stoppage");
        QTest::addColumn<int>("winnerStanding");
        QTest::addColumn<int>("loserStanding");
        QTest::addColumn<QString>("holder");
        // Al Ray 250, Bo Lee 100, Cy Orr 200, Di Poe 300, Ed Fox 400.
        QTest::addRow("the player takes the title by knockout")
            << QString(MatchType::Championship) << PlayerId << rosterId(0) << true << 100 << 250 << "Al Ray";
        QTest::addRow("the player loses the title on points")
            << QString(MatchType::Championship) << rosterId(0) << PlayerId << false << 47 << 303 << "Bo Lee";
        QTest::addRow("roster favourite on points")
            << QString(MatchType::Single) << rosterId(1) << rosterId(3) << false << 160 << 440 << "";
        QTest::addRow("roster upset by knockout")
            << QString(MatchType::Single) << rosterId(3) << rosterId(1) << true << 200 << 400 << "";
        QTest::addRow("tournament final")
            << QString(MatchType::Final) << rosterId(2) << rosterId(0) << false << 200 << 200 << "Di Poe";
    }
    void recordsBothSides()
    {
        QFETCH(QString, type);
        QFETCH(int, winner);
        QFETCH(int, loser);
        QFETCH(bool, stoppage);
        QFETCH(int, winnerStanding);
        QFETCH(int, loserStanding);
        QFETCH(QString, holder);
        const Event event = install(championshipCard(), Title);
        World::Instance().updateBooking(WorldFixtures::offer(PlayerId, "Al Ray", EventName, League, event.getDate()));
        const BoutResult bout = finished(winner, loser, stoppage);

        const RecordedBout recorded = record(event, type, bout);
        QCOMPARE(recorded.matchLine, type + " - " + bout.resultText);
        QCOMPARE(recorded.tournamentWinner, 0);
        QCOMPARE(anyFighter(winner).getStanding(), winnerStanding);
        QCOMPARE(anyFighter(loser).getStanding(), loserStanding);
        for (int id : {winner, loser}) {
            const QStringList history = historyOf(anyFighter(id));
            QCOMPARE(history.size(), 1);
            QVERIFY2(history.first().contains("Test League: Fight Night 1"), qPrintable(history.first()));
        }
        QCOMPARE(WorldTestAccess::titleHolder(League, Title), holder);

        // The player's own bout leaves his line and frees his booking.
        const bool playerBout = winner == PlayerId || loser == PlayerId;
        const QString playerLine = (winner == PlayerId ? bout.winnerLine : bout.loserLine)
            + " - Test League: Fight Night 1|" + Title;
        QCOMPARE(recorded.playerFighterId, playerBout ? PlayerId : 0);
        QCOMPARE(recorded.playerLine, playerBout ? playerLine : QString());
        QCOMPARE(WorldTestAccess::bookings().first().getEventName(), playerBout ? QString(Offer::NoText) : EventName);
    }

    void tournamentStep_data()
    {
        QTest::addColumn<QVector<Match>>("card");
        QTest::addColumn<int>("winner");
        QTest::addColumn<QString>("booked");
        const QString semifinal = " for a Tournament Semifinal at Fight Night 1";
        QTest::addRow("the player") << tournamentCard() << PlayerId << "Booked Al Ray" + semifinal;
        QTest::addRow("a roster fighter") << tournamentCard() << rosterId(1) << "Booked Cy Orr" + semifinal;
        QTest::addRow("a full card, no later event") << championshipCard() << rosterId(1) << "";
    }
    void tournamentStep()
    {
        QFETCH(QVector<Match>, card);
        QFETCH(int, winner);
        QFETCH(QString, booked);
        const Event event = install(card);
        const RecordedBout recorded = record(event, MatchType::Quarterfinal, finished(winner, rosterId(2), true));
        QCOMPARE(recorded.tournamentWinner, winner);
        QCOMPARE(recorded.booked, booked);
        const QVector<Event> today = World::Instance().getTodaysPlayerEvents();
        QCOMPARE(today.value(BoutRecording::findEvent(today, event)).getMatches().last().getIdA() == winner,
                 !booked.isEmpty());
    }

    void aFantasyMatchWritesNothing()
    {
        const Event event = installFantasy();
        const RecordedBout recorded
            = BoutRecording::record(World::Instance(), event, MatchType::Single, finished(-116, -117, true), 0);
        QCOMPARE(recorded.playerFighterId, 0);
        QVERIFY(historyOf(WorldTestAccess::rosterFighters().first()).isEmpty());
    }

    // Another league's event of the same name today is passed over.
    void findEvent()
    {
        const QVector<Event> today{WorldFixtures::eventOn(EventName, "Other League", QDate(2011, 1, 1)),
                                   WorldFixtures::eventOn(EventName, League, QDate(2011, 1, 1))};
        QCOMPARE(BoutRecording::findEvent(today, today.at(1)), 1);
        QCOMPARE(BoutRecording::findEvent(today.mid(0, 1), today.at(1)), -1);
    }
};

QTEST_GUILESS_MAIN(TestBoutRecording)
#include "tst_bout_recording.moc"
