#include <QtTest>

#include "EngineTestKit.h"

using namespace EngineKit;

namespace {

int sumOf(const QVector<int> &points, int first)
{
    return points.at(first) + points.at(first + 1) + points.at(first + 2);
}

// Scores small amounts for A or B until A's sum leads by exactly `target`.
bool driveDifference(MatchEngine &engine, int target)
{
    for (int i = 0; i < 100000; ++i) {
        const QVector<int> points = engine.getJudgePoints();
        const int difference = sumOf(points, 0) - sumOf(points, 3);
        if (difference == target)
            return true;
        engine.scoreJudges(difference < target ? engine.getFighterA() : engine.getFighterB(), 2);
    }
    return false;
}

} // namespace

// Judges' points, round figures and verdicts, decisions and result texts.
class TestEngineJudging : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        freshMatch(makeFighter("Ann", "Lee", 11), makeFighter("Bo", "Kim", 22), &paragraphs);
        paragraphs.clear();
    }

    void judgesScoreOnlyTheCorners()
    {
        MatchEngine &engine = MatchEngine::Instance();
        Entity_MatchFighter stranger;
        engine.scoreJudges(&stranger, 35);
        engine.scoreJudges(engine.getFighterA(), 1);
        QCOMPARE(engine.getJudgePoints(), QVector<int>(6, 0));
        for (int i = 0; i < 40; ++i)
            engine.scoreJudges(engine.getFighterB(), 10);
        const QVector<int> points = engine.getJudgePoints();
        QCOMPARE(sumOf(points, 0), 0);
        for (int judge = 3; judge < 6; ++judge)
            QVERIFY(points.at(judge) > 0 && points.at(judge) <= 40 * 9);
    }

    void roundStatisticsClearKnockdownsOnly()
    {
        MatchEngine &engine = MatchEngine::Instance();
        engine.scoreJudges(engine.getFighterA(), 35);
        engine.announceKnockdown(engine.getFighterB());
        const QVector<int> first = engine.getRoundStatistics();
        QCOMPARE(first.size(), 8);
        QCOMPARE(first.mid(0, 6), engine.getJudgePoints());
        QCOMPARE(first.mid(6), QVector<int>({0, 1}));
        const QVector<int> second = engine.getRoundStatistics();
        QCOMPARE(second.mid(6), QVector<int>({0, 0}));
        QCOMPARE(second.mid(0, 6), first.mid(0, 6));
        engine.startRound();
        QCOMPARE(engine.getJudgePoints(), QVector<int>(6, 0));
    }

    void roundVerdicts_data()
    {
        QTest::addColumn<int>("difference");
        QTest::addColumn<QString>("verdict");
        QTest::addRow("level") << 0 << "Pretty even round.\n\n";
        QTest::addRow("15 ahead") << 15 << "Pretty even round.\n\n";
        QTest::addRow("15 behind") << -15 << "Pretty even round.\n\n";
        QTest::addRow("16 ahead") << 16 << "That was likely Ann Lee's round.\n\n";
        QTest::addRow("50 ahead") << 50 << "That was likely Ann Lee's round.\n\n";
        QTest::addRow("16 behind") << -16 << "That was likely Bo Kim's round.\n\n";
        QTest::addRow("51 ahead") << 51 << "That was definitely Ann Lee's round.\n\n";
        QTest::addRow("51 behind") << -51 << "That was definitely Bo Kim's round.\n\n";
    }
    void roundVerdicts()
    {
        QFETCH(int, difference);
        QFETCH(QString, verdict);
        MatchEngine &engine = MatchEngine::Instance();
        QVERIFY(driveDifference(engine, difference));
        engine.getRoundEndCommentary();
        QCOMPARE(paragraphs, QStringList({"The bell rings to end the round, and the fighters move to their corners...",
                                          verdict}));
    }

    void decisionTieGoesToA_data()
    {
        QTest::addColumn<int>("judgesA");
        QTest::addColumn<int>("judgesB");
        QTest::addColumn<bool>("aWins");
        QTest::addRow("tie") << 1 << 1 << true;
        QTest::addRow("A wins") << 2 << 1 << true;
        QTest::addRow("B wins") << 0 << 3 << false;
    }
    void decisionTieGoesToA()
    {
        QFETCH(int, judgesA);
        QFETCH(int, judgesB);
        QFETCH(bool, aWins);
        MatchEngine &engine = MatchEngine::Instance();
        engine.decideByScore(judgesA, judgesB);
        QVERIFY(engine.isMatchOver());
        QCOMPARE(engine.getWinner(), aWins ? engine.getFighterA() : engine.getFighterB());
    }

    void decisionResultText()
    {
        MatchEngine &engine = MatchEngine::Instance();
        engine.startNextRound();
        engine.startNextRound();
        QVERIFY(tickClockTo(engine, 3));
        engine.decideByScore(2, 1);
        int winnerId = 0, loserId = 0;
        QString winnerLine = "Earlier. ", loserLine;
        const QString text = engine.getResultText(&winnerId, &winnerLine, &loserId, &loserLine);
        QCOMPARE(text, QString("Ann Lee defeated Bo Kim by Decision in 3:00 of Round 3."));
        QCOMPARE(winnerLine, QString("Earlier. Win: Bo Kim - Decision - Rd. 3(3:00)"));
        QCOMPARE(loserLine, QString("Loss: Ann Lee - Decision - Rd. 3(3:00)"));
        QCOMPARE(winnerId, 11);
        QCOMPARE(loserId, 22);
        QCOMPARE(engine.getClock(), 180);
    }

    void stoppageResultText_data()
    {
        QTest::addColumn<int>("technique");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("time");
        QTest::addRow("jab after 65 s") << 9 << 115 << "KO(Jab)" << "1:05";
        QTest::addRow("hook after 2 s") << 10 << 178 << "KO(Hook)" << "0:02";
        QTest::addRow("cross after 125 s") << 11 << 55 << "KO(Cross)" << "2:05";
        QTest::addRow("uppercut") << 12 << 180 << "KO(Uppercut)" << "0:00";
        QTest::addRow("dirty boxing counts as uppercut") << 19 << 120 << "KO(Uppercut)" << "1:00";
        QTest::addRow("low kick") << 13 << 100 << "TKO(Low Kick)" << "1:20";
        QTest::addRow("mid kick") << 14 << 100 << "TKO(Mid Kick)" << "1:20";
        QTest::addRow("high kick") << 15 << 100 << "KO(High Kick)" << "1:20";
        QTest::addRow("front kick") << 16 << 100 << "TKO(Front Kick)" << "1:20";
        QTest::addRow("knee") << 17 << 100 << "KO(Knee)" << "1:20";
        QTest::addRow("elbow") << 18 << 100 << "KO(Elbow)" << "1:20";
        QTest::addRow("body punch") << 20 << 100 << "TKO(Body Punch)" << "1:20";
        QTest::addRow("clock run below zero") << 9 << -3 << "KO(Jab)" << "3:03";
        QTest::addRow("no strike credited") << 1 << 175 << "TKO" << "0:05";
    }
    void stoppageResultText()
    {
        QFETCH(int, technique);
        QFETCH(int, clock);
        QFETCH(QString, method);
        QFETCH(QString, time);
        MatchEngine &engine = MatchEngine::Instance();
        engine.startNextRound();
        QVERIFY(tickClockTo(engine, clock));
        engine.getFighterB()->setSituation(5);
        engine.getFighterA()->setSituation(technique);
        engine.endMatch(engine.getFighterB());
        QString winnerLine, loserLine;
        int winnerId = 0, loserId = 0;
        const QString text = engine.getResultText(&winnerId, &winnerLine, &loserId, &loserLine);
        QCOMPARE(text, "Ann Lee defeated Bo Kim by " + method + " in " + time + " of Round 2.");
        QCOMPARE(winnerLine, "Win: Bo Kim - " + method + " - Rd. 2(" + time + ")");
        QCOMPARE(loserLine, "Loss: Ann Lee - " + method + " - Rd. 2(" + time + ")");
        QCOMPARE(engine.getClock(), clock);
    }

    void statisticsByFighterId()
    {
        MatchEngine &engine = MatchEngine::Instance();
        engine.getFighterB()->addKneeStats(1, 2);
        const QVector<int> stats = engine.getFighterStatistics(22);
        QCOMPARE(stats.size(), 44);
        QCOMPARE(stats.at(6 + 2 * 8), 1);
        QCOMPARE(engine.getFighterStatistics(11).at(6 + 2 * 8), 0);
        QVERIFY(engine.getFighterStatistics(33).isEmpty());
    }

private:
    QStringList paragraphs;
};

QTEST_GUILESS_MAIN(TestEngineJudging)
#include "tst_engine_judging.moc"
