// Round marks, judges' tallies, decisions, record-line endings and the
// standing exchange of a bout.
#include <QtTest>

#include "core/LeagueFixtures.h"
#include "match/BoutScoring.h"
#include "records/Match.h"

using Cards = std::array<int, 3>;
Q_DECLARE_METATYPE(Cards)

class tst_bout_scoring : public QObject
{
    Q_OBJECT

private slots:
    void roundMarks_data();
    void roundMarks();
    void scoreRoundAddsEveryCard();
    void outcome_data();
    void outcome();
    void decisionNamedInAllThreeTexts();
    void recordLineEndings_data();
    void recordLineEndings();
    void exchange_data();
    void exchange();
};

void tst_bout_scoring::roundMarks_data()
{
    QTest::addColumn<int>("pointsA");
    QTest::addColumn<int>("pointsB");
    QTest::addColumn<int>("downsA");
    QTest::addColumn<int>("downsB");
    QTest::addColumn<int>("markA");
    QTest::addColumn<int>("markB");
    QTest::addRow("A's round, A down once: 9-9") << 12 << 8 << 1 << 0 << 9 << 9;
    QTest::addRow("even, B down twice: 10-8") << 6 << 6 << 0 << 2 << 10 << 8;
    QTest::addRow("B lost and down twice: 10-7") << 20 << 3 << 0 << 2 << 10 << 7;
    QTest::addRow("even, nobody down") << 0 << 0 << 0 << 0 << 10 << 10;
    QTest::addRow("B's round") << 4 << 5 << 0 << 0 << 9 << 10;
    QTest::addRow("no lower bound") << 1 << 9 << 11 << 0 << -2 << 10;
}

void tst_bout_scoring::roundMarks()
{
    QFETCH(int, pointsA);
    QFETCH(int, pointsB);
    QFETCH(int, downsA);
    QFETCH(int, downsB);
    QFETCH(int, markA);
    QFETCH(int, markB);
    const BoutScoring::Marks marks = BoutScoring::roundMarks(pointsA, pointsB, downsA, downsB);
    QCOMPARE(marks.a, markA);
    QCOMPARE(marks.b, markB);
}

// Each judge's own points decide his card; the knockdowns count on all.
void tst_bout_scoring::scoreRoundAddsEveryCard()
{
    JudgeCards cards{{29, 28, 27}, {28, 29, 30}};
    BoutScoring::scoreRound({5, 3, 3, 4, 3, 9, 1, 0}, cards);
    QCOMPARE(cards.totalsA, (Cards{38, 37, 35}));
    QCOMPARE(cards.totalsB, (Cards{37, 39, 40}));
    // A short vector (no knockdowns) changes nothing.
    BoutScoring::scoreRound({5, 3, 3, 4, 3, 9}, cards);
    QCOMPARE(cards.totalsA, (Cards{38, 37, 35}));
}

void tst_bout_scoring::outcome_data()
{
    QTest::addColumn<Cards>("totalsA");
    QTest::addColumn<Cards>("totalsB");
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<int>("forA");
    QTest::addColumn<int>("forB");
    QTest::addColumn<QString>("decision"); // empty: an extension round
    QTest::addRow("3-0 for A") << Cards{30, 29, 30} << Cards{27, 28, 27} << 4 << 3 << 0 << "Unanimous Decision";
    QTest::addRow("3-0 for B") << Cards{27, 28, 27} << Cards{30, 29, 30} << 4 << 0 << 3 << "Unanimous Decision";
    QTest::addRow("2-1, split") << Cards{30, 29, 28} << Cards{27, 28, 29} << 4 << 2 << 1 << "Split Decision";
    QTest::addRow("1-2, split") << Cards{28, 28, 30} << Cards{29, 29, 27} << 4 << 1 << 2 << "Split Decision";
    QTest::addRow("2-0 and a draw for A") << Cards{29, 28, 29} << Cards{28, 28, 28} << 4 << 2 << 0
                                          << "Majority Decision";
    QTest::addRow("0-2 and a draw for B") << Cards{28, 28, 28} << Cards{29, 28, 29} << 4 << 0 << 2
                                          << "Majority Decision";
    QTest::addRow("2-0 and a draw, 29-29") << Cards{30, 29, 29} << Cards{27, 28, 29} << 4 << 2 << 0
                                           << "Majority Decision";
    QTest::addRow("1-1 and a draw after round 3") << Cards{29, 28, 28} << Cards{28, 29, 28} << 4 << 1 << 1
                                                  << QString();
    QTest::addRow("1-0 and two draws") << Cards{29, 28, 28} << Cards{28, 28, 28} << 7 << 1 << 0 << QString();
    QTest::addRow("0-1 and two draws") << Cards{28, 28, 28} << Cards{28, 29, 28} << 7 << 0 << 1 << QString();
    QTest::addRow("three draws after round 9") << Cards{90, 90, 90} << Cards{90, 90, 90} << 10 << 0 << 0
                                               << QString();
    QTest::addRow("three draws after round 10") << Cards{100, 99, 98} << Cards{100, 99, 98} << 11 << 0 << 0
                                                << "Split Decision";
    QTest::addRow("0-1 and two draws after round 10") << Cards{99, 99, 99} << Cards{99, 100, 99} << 11 << 0 << 1
                                                      << "Split Decision";
}

void tst_bout_scoring::outcome()
{
    QFETCH(Cards, totalsA);
    QFETCH(Cards, totalsB);
    QFETCH(int, roundNumber);
    QFETCH(int, forA);
    QFETCH(int, forB);
    QFETCH(QString, decision);
    const BoutScoring::Tally tally = BoutScoring::tally({totalsA, totalsB});
    QCOMPARE(tally.forA, forA);
    QCOMPARE(tally.forB, forB);
    const BoutScoring::Outcome outcome = BoutScoring::outcome(tally, roundNumber);
    QCOMPARE(outcome.extensionRound, decision.isEmpty());
    QCOMPARE(outcome.decision, decision);
}

// The method is renamed in the sentence and both lines, a fighter who is
// called "Decision" keeps his name.
void tst_bout_scoring::decisionNamedInAllThreeTexts()
{
    QString sentence = "Ann Decision defeated Bo Kim by Decision in 3:00 of Round 3.";
    QString winnerLine = "Win: Bo Kim - Decision - Rd. 3(3:00)";
    QString loserLine = "Loss: Ann Decision - Decision - Rd. 3(3:00)";
    BoutScoring::nameDecision("Split Decision", sentence, winnerLine, loserLine);
    QCOMPARE(sentence, QString("Ann Decision defeated Bo Kim by Split Decision in 3:00 of Round 3."));
    QCOMPARE(winnerLine, QString("Win: Bo Kim - Split Decision - Rd. 3(3:00)"));
    QCOMPARE(loserLine, QString("Loss: Ann Decision - Split Decision - Rd. 3(3:00)"));

    QString knockout = "Ann Lee defeated Bo Kim by KO(Hook) in 1:12 of Round 2.";
    QString line = "Win: Bo Kim - KO(Hook) - Rd. 2(1:12)";
    QString other = line;
    BoutScoring::nameDecision("Unanimous Decision", knockout, line, other);
    QCOMPARE(knockout, QString("Ann Lee defeated Bo Kim by KO(Hook) in 1:12 of Round 2."));
    QCOMPARE(line, QString("Win: Bo Kim - KO(Hook) - Rd. 2(1:12)"));
}

void tst_bout_scoring::recordLineEndings_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("winnerTitled");
    QTest::addColumn<bool>("loserTitled");
    QTest::addRow("single") << QString(MatchType::Single) << false << false;
    QTest::addRow("championship: both") << QString(MatchType::Championship) << true << true;
    QTest::addRow("final: the winner's only") << QString(MatchType::Final) << true << false;
    QTest::addRow("qualifier") << QString(MatchType::Qualifier) << false << false;
    QTest::addRow("quarterfinal") << QString(MatchType::Quarterfinal) << false << false;
    QTest::addRow("semifinal") << QString(MatchType::Semifinal) << false << false;
}

void tst_bout_scoring::recordLineEndings()
{
    QFETCH(QString, type);
    QFETCH(bool, winnerTitled);
    QFETCH(bool, loserTitled);
    const Event event = LeagueFixtures::event("Summer Slam", "Apex League", QDate(2011, 6, 4),
                                               LeagueFixtures::open(type, 1), "Apex Belt");
    const QString plain = " - Apex League: Summer Slam";
    const QString titled = plain + "|Apex Belt";
    QCOMPARE(BoutScoring::recordLineEnding(event, type, true), winnerTitled ? titled : plain);
    QCOMPARE(BoutScoring::recordLineEnding(event, type, false), loserTitled ? titled : plain);
}

void tst_bout_scoring::exchange_data()
{
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("stoppage");
    QTest::addColumn<int>("decision");
    QTest::addRow("1000") << 1000 << 500 << 250;
    QTest::addRow("400") << 400 << 200 << 100;
    QTest::addRow("301") << 301 << 150 << 75;
    QTest::addRow("300") << 300 << 300 << 150;
    QTest::addRow("101") << 101 << 101 << 50;
    QTest::addRow("100") << 100 << 100 << 100;
    QTest::addRow("50") << 50 << 50 << 50;
    QTest::addRow("1") << 1 << 1 << 1;
    QTest::addRow("0") << 0 << 300 << 200;
    QTest::addRow("-1") << -1 << 198 << 99;
    QTest::addRow("-100") << -100 << 0 << 0;
    QTest::addRow("-101") << -101 << 99 << 79;
    QTest::addRow("-300") << -300 << 33 << 26;
    QTest::addRow("-301") << -301 << 23 << 16;
    QTest::addRow("-500") << -500 << 14 << 10;
    QTest::addRow("-1000") << -1000 << 7 << 5;
}

void tst_bout_scoring::exchange()
{
    QFETCH(int, gap);
    QFETCH(int, stoppage);
    QFETCH(int, decision);
    QCOMPARE(BoutScoring::exchange(gap, BoutScoring::Stoppage), stoppage);
    QCOMPARE(BoutScoring::exchange(gap, BoutScoring::Decision), decision);
}

QTEST_GUILESS_MAIN(tst_bout_scoring)
#include "tst_bout_scoring.moc"
