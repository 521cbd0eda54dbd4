#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "EngineTestKit.h"
#include "TestSupport.h"
#include "match/BoutRunner.h"
#include "match/FightAttribute.h"

using namespace EngineKit;

Q_DECLARE_METATYPE(BoutRunner::Happening)

namespace {

const int IdA = 11;
const int IdB = 22;
// More steps than any round has.
const int StepLimit = 1000;

// Cards with 30 to 28 for A from the first judges on and for B from the
// last ones on; with one each way the middle judge sees a draw.
JudgeCards cardsFor(int judgesForA, int judgesForB)
{
    JudgeCards cards;
    cards.totalsA = {28, 28, 28};
    cards.totalsB = {28, 28, 28};
    for (int judge = 0; judge < judgesForA; ++judge)
        cards.totalsA[judge] = 30;
    for (int judge = 0; judge < judgesForB; ++judge)
        cards.totalsB[2 - judge] = 30;
    return cards;
}

// Undecided judges: one each way, the third sees a draw.
JudgeCards drawnCards() { return cardsFor(1, 1); }

// No power behind the strikes and hard to hurt: bouts go the distance
// more often than not.
Fighter sturdy(const QString &first, const QString &last, int id)
{
    return makeFighter(first, last, id, "Tactician", 50,
                       {{FightAttribute::inVector(FightAttribute::Power), 0},
                        {Fighter::HeadDurabilityIndex, 100}, {Fighter::BodyDurabilityIndex, 100}});
}

// Steps until the round ends or the bout does.
BoutRunner::Happening fightRound(BoutRunner &bout)
{
    for (int i = 0; i < StepLimit; ++i) {
        const BoutRunner::Happening happened = bout.step();
        if (happened != BoutRunner::Happening::Step)
            return happened;
    }
    return BoutRunner::Happening::Step;
}

// How a child process that ran `act` ended: stopped by abort(), with what
// it wrote on its error output.
struct ChildEnding
{
    bool aborted;
    QString said;
};

template <typename Act>
ChildEnding inChildProcess(Act act)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {false, QStringLiteral("no pipe")};
    const pid_t child = fork();
    if (child == 0) {
        dup2(channel[1], STDERR_FILENO);
        // The plain handler: the test log's own would write a whole report.
        qInstallMessageHandler(nullptr);
        act();
        _exit(0);
    }
    close(channel[1]);
    QByteArray said;
    char buffer[512];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, int(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT, QString::fromLocal8Bit(said)};
}

} // namespace

// The bout runner on its own: rounds, the judges' tally and the verdict it
// names, extension rounds, a stoppage, and a step where none is due.
class TestBoutRunner : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeterministicRandom> seam;

    void beginEvenBout(BoutRunner &bout, int start)
    {
        seam.reset();
        seam.reset(new DeterministicRandom(start, 7));
        bout.begin(sturdy("Ann", "Lee", IdA), sturdy("Bo", "Kim", IdB));
        bout.startRound();
    }

    // Fights three rounds from one clock reading after another, from
    // `from` on, until a start lets them all go the distance: the judges'
    // tally is due. Gives the start used, or -1.
    int toTheTally(BoutRunner &bout, int from = 0)
    {
        for (int start = from; start < from + 40; ++start) {
            beginEvenBout(bout, start);
            bool wentTheDistance = true;
            for (int round = 1; round <= BoutScoring::RegularRounds && wentTheDistance; ++round) {
                wentTheDistance = fightRound(bout) == BoutRunner::Happening::RoundEnded;
                if (wentTheDistance && round < BoutScoring::RegularRounds) {
                    if (bout.tallyDue())
                        return -1;
                    bout.startRound();
                }
            }
            if (wentTheDistance)
                return bout.tallyDue() ? start : -1;
        }
        return -1;
    }

    // From the tally after round 3, drawn cards at every tally: true once
    // the bout reached its verdict after round 10, false on a stoppage.
    bool drawnToTheLastRound(BoutRunner &bout)
    {
        for (int round = BoutScoring::RegularRounds; round < BoutScoring::LastRound; ++round) {
            if (!bout.tallyDue())
                return false;
            bout.tally();
            bout.setCards(drawnCards());
            if (bout.step() != BoutRunner::Happening::ExtensionRound || bout.isOver())
                return false;
            bout.startRound();
            if (fightRound(bout) != BoutRunner::Happening::RoundEnded || bout.round() != round + 2) {
                return false;
            }
        }
        return bout.tallyDue();
    }

private slots:
    void cleanup() { seam.reset(); }

    void theJudgesTallyAfterTheThirdRound()
    {
        BoutRunner bout;
        QVERIFY(toTheTally(bout) >= 0);
        QCOMPARE(bout.round(), 4);
        QCOMPARE(bout.secondsLeft(), 180);
        QCOMPARE(bout.result().roundsFought, 3);
        QVERIFY(!bout.isOver());
        bout.tally();
        QVERIFY(bout.isOver());
        const BoutScoring::Tally judges = bout.result().judges;
        QCOMPARE(judges.forA, BoutScoring::tally(bout.cards()).forA);
        QCOMPARE(judges.forB, BoutScoring::tally(bout.cards()).forB);

        const BoutScoring::Outcome said = BoutScoring::outcome(judges, 4);
        const BoutRunner::Happening happened = bout.step();
        if (said.extensionRound) {
            QCOMPARE(happened, BoutRunner::Happening::ExtensionRound);
            return;
        }
        QCOMPARE(happened, BoutRunner::Happening::Decision);
        QCOMPARE(bout.result().winnerId, judges.forA > judges.forB ? IdA : IdB);
        QVERIFY2(bout.result().resultText.contains(" by " + said.decision + " in 3:00 of Round 3"),
                 qPrintable(bout.result().resultText));
    }

    // Cards drawn at every tally: an extension round after each, up to
    // round 10, then a split decision.
    void extensionRoundsGoOnToRoundTen()
    {
        BoutRunner bout;
        int start = toTheTally(bout);
        while (start >= 0 && start < 40 && !drawnToTheLastRound(bout))
            start = toTheTally(bout, start + 1);
        QVERIFY2(start >= 0 && start < 40, "no clock readings reach the verdict after round 10: a stoppage, or a round with no extension round after it");
        QCOMPARE(bout.round(), BoutScoring::LastRound + 1);
        QCOMPARE(bout.result().roundsFought, BoutScoring::LastRound);
        bout.tally();
        bout.setCards(drawnCards());
        QCOMPARE(bout.step(), BoutRunner::Happening::Decision);
        QVERIFY2(bout.result().resultText.contains(" by Split Decision in 3:00 of Round 10"),
                 qPrintable(bout.result().resultText));
    }

    // Cards moved after the tally are tallied again: the decision's name,
    // the judges' counts and the engine's winner come from one tally.
    void theVerdictReadsTheTallyTheEngineHeard_data()
    {
        QTest::addColumn<int>("forA");
        QTest::addColumn<int>("forB");
        QTest::addColumn<int>("winnerId");
        QTest::addColumn<QString>("decision");
        QTest::addRow("unanimous for A") << 3 << 0 << IdA << "Unanimous Decision";
        QTest::addRow("unanimous for B") << 0 << 3 << IdB << "Unanimous Decision";
        QTest::addRow("majority for B") << 0 << 2 << IdB << "Majority Decision";
        QTest::addRow("split for A") << 2 << 1 << IdA << "Split Decision";
    }

    void theVerdictReadsTheTallyTheEngineHeard()
    {
        QFETCH(int, forA);
        QFETCH(int, forB);
        QFETCH(int, winnerId);
        QFETCH(QString, decision);
        BoutRunner bout;
        QVERIFY(toTheTally(bout) >= 0);
        bout.tally();
        bout.setCards(cardsFor(forA, forB));
        QCOMPARE(bout.step(), BoutRunner::Happening::Decision);
        const BoutResult &result = bout.result();
        QCOMPARE(result.judges.forA, forA);
        QCOMPARE(result.judges.forB, forB);
        QCOMPARE(result.winnerId, winnerId);
        QCOMPARE(result.loserId, winnerId == IdA ? IdB : IdA);
        const QString winner = winnerId == IdA ? "Ann Lee" : "Bo Kim";
        QVERIFY2(result.resultText.startsWith(winner) && result.resultText.contains(" by " + decision + " in "),
                 qPrintable(result.resultText));
        QVERIFY2(result.winnerLine.contains(" - " + decision + " - Rd. 3"), qPrintable(result.winnerLine));
    }

    // A knockout ends the bout inside its step, before the clock moves; the
    // bout stays over.
    void aStoppageEndsTheBoutInItsStep()
    {
        for (int start = 0; start < 40; ++start) {
            seam.reset();
            seam.reset(new DeterministicRandom(start, 3));
            BoutRunner bout;
            bout.begin(makeFighter("Ann", "Lee", IdA, "Brawler", 90), makeFighter("Bo", "Kim", IdB, "Tactician", 10));
            bout.startRound();
            BoutRunner::Happening happened = fightRound(bout);
            while (happened == BoutRunner::Happening::RoundEnded && !bout.tallyDue()) {
                bout.startRound();
                happened = fightRound(bout);
            }
            if (happened != BoutRunner::Happening::Stoppage)
                continue;
            const BoutResult &result = bout.result();
            QVERIFY(bout.isOver());
            QVERIFY(result.stoppage);
            QCOMPARE(result.roundsFought, bout.round());
            QVERIFY(bout.secondsLeft() > 0 && bout.secondsLeft() < 180);
            QCOMPARE(result.judges.forA + result.judges.forB, 0);
            QCOMPARE(result.winnerId + result.loserId, IdA + IdB);
            QVERIFY2(!result.resultText.contains("Decision") && result.resultText.contains(" of Round "),
                     qPrintable(result.resultText));
            const int steps = result.steps;
            QCOMPARE(bout.step(), BoutRunner::Happening::Stoppage);
            QCOMPARE(bout.result().steps, steps);
            return;
        }
        QFAIL("no stoppage from 40 clock readings");
    }

    // Between rounds only startRound (or the tally, when due) moves the
    // bout on: a step there stops the program, saying so.
    void aStepBetweenRoundsStopsTheProgram_data()
    {
        QTest::addColumn<BoutRunner::Happening>("reached");
        QTest::addRow("before the first round") << BoutRunner::Happening::Step;
        QTest::addRow("after a round's end") << BoutRunner::Happening::RoundEnded;
        QTest::addRow("after an extension round is called") << BoutRunner::Happening::ExtensionRound;
    }

    void aStepBetweenRoundsStopsTheProgram()
    {
        QFETCH(BoutRunner::Happening, reached);
        BoutRunner bout;
        if (reached == BoutRunner::Happening::Step) {
            bout.begin(makeFighter("Ann", "Lee", IdA), makeFighter("Bo", "Kim", IdB));
        } else {
            QVERIFY(toTheTally(bout) >= 0);
            if (reached == BoutRunner::Happening::ExtensionRound) {
                bout.tally();
                bout.setCards(drawnCards());
                QCOMPARE(bout.step(), reached);
            }
        }
        const int steps = bout.result().steps;
        const ChildEnding ending = inChildProcess([&bout] { bout.step(); });
        QVERIFY2(ending.aborted, qPrintable(ending.said));
        QVERIFY2(ending.said.contains("BoutRunner::step between rounds"), qPrintable(ending.said));
        QCOMPARE(bout.result().steps, steps);
    }
};

QTEST_GUILESS_MAIN(TestBoutRunner)
#include "tst_bout_runner.moc"
