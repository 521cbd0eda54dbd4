#include <QtTest>

#include <functional>

#include "EngineTestKit.h"
#include "match/State_Gen_KD.h"

using namespace EngineKit;

// The fight seeds once per match and then only draws, so every operation
// must take exactly the draws its rolls stand for, in their order: one
// draw too many or too few shifts every later roll of the bout.
namespace {

const unsigned Seed = 4242;

// How many draws `operation` took, found by where the next draw falls in
// the plain sequence of the same seed; -1 when it is not found.
int drawsTakenBy(const std::function<void()> &operation)
{
    const QVector<int> sequence = drawsAfter(Seed, 64);
    GameRandom::seed(Seed);
    operation();
    return sequence.indexOf(GameRandom::draw());
}

} // namespace

class TestReviewEngineDraws : public QObject
{
    Q_OBJECT

private slots:
    void drawCounts_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("draws");
        QTest::addRow("clock tick") << 0 << 1;
        QTest::addRow("judges for a corner") << 1 << 4;
        QTest::addRow("judges for a stranger still take their spread") << 2 << 1;
        QTest::addRow("stamina change of 0") << 3 << 1;
        QTest::addRow("pressing on") << 4 << 1;
        QTest::addRow("initiative: eleven weights") << 5 << 11;
        QTest::addRow("resistance: three rolls") << 6 << 3;
        QTest::addRow("knockdown check: roll and coin") << 7 << 2;
        QTest::addRow("refused instruction: four rolls") << 8 << 4;
        QTest::addRow("forced instruction: four rolls") << 9 << 4;
        QTest::addRow("body blow always checks") << 10 << 2;
        QTest::addRow("limb blow with health left: no check") << 11 << 0;
        QTest::addRow("negative head damage: the daze roll only") << 12 << 1;
        QTest::addRow("round-end verdict draws nothing") << 13 << 0;
        QTest::addRow("first count: two rolls, raw draw, check") << 14 << 5;
    }
    void drawCounts()
    {
        QFETCH(int, operation);
        QFETCH(int, draws);
        MatchEngine &engine = freshMatch(makeFighter("Ann", "Lee", 11, "Tactician", 0),
                                         makeFighter("Bo", "Kim", 22));
        Entity_MatchFighter *a = engine.getFighterA();
        Entity_MatchFighter *b = engine.getFighterB();
        Entity_MatchFighter stranger;
        const std::function<void()> operations[] = {
            [&] { engine.tickClock(); },
            [&] { engine.scoreJudges(a, 10); },
            [&] { engine.scoreJudges(&stranger, 10); },
            [&] { a->changeStamina(0); },
            [&] { a->continuesAttack(); },
            [&] { a->initiativeScore(); },
            [&] { a->passesResistanceRoll(); },
            [&] { a->checkKnockdown(5); },
            [&] { QVERIFY(!a->callInstruction("Finish him!", 0, false)); },
            [&] { QVERIFY(a->callInstruction("Finish him!", 0, true)); },
            [&] { b->damageBody(1); },
            [&] { b->damageLegs(1); },
            [&] { a->damageHead(-3); },
            [&] { engine.getRoundEndCommentary(); },
            [&] {
                State_Gen_KD *count = new State_Gen_KD(a);
                a->setState(count);
                count->execute(a);
                QCOMPARE(count->getCount(), 1);
            },
        };
        QCOMPARE(drawsTakenBy(operations[operation]), draws);
    }

    // Each judge's share is its own draw, after the one that spread them.
    void judgesTakeTheirOwnDraws()
    {
        MatchEngine &engine = freshMatch(makeFighter("Ann", "Lee", 11), makeFighter("Bo", "Kim", 22));
        const QVector<int> sequence = drawsAfter(Seed, 4);
        GameRandom::seed(Seed);
        engine.scoreJudges(engine.getFighterB(), 35);
        const QVector<int> expected = {0, 0, 0, sequence[1] % 35, sequence[2] % 35, sequence[3] % 35};
        QCOMPARE(engine.getJudgePoints(), expected);
    }
};

QTEST_GUILESS_MAIN(TestReviewEngineDraws)
#include "tst_review_engine_draws.moc"
