// The defender's movement states: the stop strike that lands (power to the
// attacker before he is sent back, no movement line) or fails (the defender
// follows), the choice of strike by style, and the half-zero draw.
#include <QSet>
#include <QtTest>
#include <typeinfo>

#include "core/BoutDriver.h"
#include "core/DefenceRing.h"
#include "match/Entity_MatchFighter.h"
#include "match/attack/StateFactory.h"
#include "match/defence/State_Def_Clinch.h"
#include "match/defence/State_Def_DefMoveClinch.h"
#include "match/defence/State_Def_DefMoveIn.h"
#include "match/defence/State_Def_DefMoveOut.h"
#include "match/defence/State_Def_In.h"
#include "match/defence/State_Def_Out.h"
#include "records/GameRandom.h"

namespace {

using Pair = Entity_MatchFighter::StatPair;

struct MoveCase {
    const char *name;
    StateFactory make;
    int situation;     // left by the waiting state that chose to stop
    int answerCode;    // the attacker's range code
    QString landed;    // the defender's state after a landed stop
    QString failed;    // after a failed one
    int failedSituation;
    Pair punch;
    Pair kick;
};

const MoveCase cases[] = {
    {"in from long range", &makeState<State_Def_DefMoveIn>, 1, 0, stateName<State_Def_Out>(),
     stateName<State_Def_In>(), 0, Entity_MatchFighter::JabStats, Entity_MatchFighter::FrontKickStats},
    {"in from the clinch", &makeState<State_Def_DefMoveIn>, 2, 0, stateName<State_Def_Clinch>(),
     stateName<State_Def_In>(), 0, Entity_MatchFighter::JabStats, Entity_MatchFighter::FrontKickStats},
    {"out of the pocket", &makeState<State_Def_DefMoveOut>, 0, 1, stateName<State_Def_In>(),
     stateName<State_Def_Out>(), 1, Entity_MatchFighter::JabStats, Entity_MatchFighter::FrontKickStats},
    {"into the clinch", &makeState<State_Def_DefMoveClinch>, 0, 2, stateName<State_Def_In>(),
     stateName<State_Def_Clinch>(), 2, Entity_MatchFighter::CrossStats, Entity_MatchFighter::KneeStats},
};
const int caseCount = int(sizeof cases / sizeof cases[0]);

const Fighter attackerRecord = BoutDriver::makeFighter("Kim", "Brawler", 50);

QPair<int, int> pairOf(Entity_MatchFighter *fighter, Pair pair)
{
    QVector<int> values;
    fighter->getStatistics(values);
    return qMakePair(values[6 + 2 * pair], values[7 + 2 * pair]);
}

// Sets the waiting state's situation and installs the movement state with
// its enter, which asks the probe for its value.
void startMove(DefenceRing &ring, const MoveCase &move, unsigned seed)
{
    ring.defender()->setSituation(move.situation);
    GameRandom::seed(seed);
    ring.defender()->changeState(move.make(ring.defender()));
}

} // namespace

class tst_defence_move : public QObject
{
    Q_OBJECT

private slots:
    void stopLands_data();
    void stopLands();
    void stopFails_data();
    void stopFails();
    void strikeByStyle_data();
    void strikeByStyle();
    void halfTheDrawsAreZero();
    void otherAnswerCodesAreIgnored();
    void zeroDivisorsAreTakenAsOne();
};

void tst_defence_move::stopLands_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < caseCount; ++row)
        QTest::addRow("%s", cases[row].name) << row;
}

// Against an attacker's value of -1 every entry, zeros included, is
// greater: the stop always lands.
void tst_defence_move::stopLands()
{
    QFETCH(int, row);
    const MoveCase &move = cases[row];
    const Fighter defender = BoutDriver::makeFighter("Lee", "Tactician", 50);
    QSet<QString> lines;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        DefenceRing ring(attackerRecord, defender, move.answerCode, -1);
        startMove(ring, move, seed);

        QCOMPARE(stateName(ring.defenderState()), move.landed);
        QCOMPARE(ring.defender()->getSituation(), move.situation);
        // Asked for the value, took the power, then sent back to the range.
        const QVector<ProbeEvent> &log = ring.received();
        QCOMPARE(log.size(), 3);
        QVERIFY(!log[0].isValue && log[0].code == 24);
        QVERIFY(log[1].isValue && log[1].code == 24 && log[1].value >= 0);
        QVERIFY(!log[2].isValue && log[2].code == move.situation);
        const QPair<int, int> punches = pairOf(ring.defender(), move.punch);
        const QPair<int, int> kicks = pairOf(ring.defender(), move.kick);
        QCOMPARE(punches.first + kicks.first, 1);
        QCOMPARE(punches.second + kicks.second, 1);
        // The stop's line alone: no movement line.
        const QString said = ring.defender()->getCommentary();
        QVERIFY(said.startsWith("Lee "));
        lines.insert(said);
    }
    QCOMPARE(lines.size(), 10); // five for the punch, five for the kick
}

void tst_defence_move::stopFails_data()
{
    stopLands_data();
}

// Against a huge value the stop fails: the defender follows the attacker
// with the waiting state's enter, and nothing is counted or sent on.
void tst_defence_move::stopFails()
{
    QFETCH(int, row);
    const MoveCase &move = cases[row];
    const Fighter defender = BoutDriver::makeFighter("Lee", "Tactician", 50);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        DefenceRing ring(attackerRecord, defender, move.answerCode, 100000);
        startMove(ring, move, seed);
        QCOMPARE(stateName(ring.defenderState()), move.failed);
        QCOMPARE(ring.defender()->getSituation(), move.failedSituation);
        QCOMPARE(ring.messages(), QVector<int>{24});
        QCOMPARE(ring.received().size(), 1);
        QCOMPARE(pairOf(ring.defender(), move.punch).second + pairOf(ring.defender(), move.kick).second,
                 0);
        QCOMPARE(ring.defender()->getActionValue(), 100000);
    }
}

void tst_defence_move::strikeByStyle_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("punches");
    QTest::addColumn<bool>("kicks");
    QTest::addRow("Puncher never kicks") << "Puncher" << true << false;
    QTest::addRow("Kicker never punches") << "Kicker" << false << true;
    QTest::addRow("Outfighter does both") << "Outfighter" << true << true;
    QTest::addRow("unknown style does both") << "Wrestler" << true << true;
}

void tst_defence_move::strikeByStyle()
{
    QFETCH(QString, style);
    QFETCH(bool, punches);
    QFETCH(bool, kicks);
    const Fighter defender = BoutDriver::makeFighter("Lee", style, 50);
    for (const MoveCase &move : cases) {
        int punchCount = 0;
        int kickCount = 0;
        for (unsigned seed = 1; seed <= 40; ++seed) {
            DefenceRing ring(attackerRecord, defender, move.answerCode, -1);
            startMove(ring, move, seed);
            punchCount += pairOf(ring.defender(), move.punch).first;
            kickCount += pairOf(ring.defender(), move.kick).first;
        }
        QCOMPARE(punchCount + kickCount, 40);
        QCOMPARE(punchCount > 0, punches);
        QCOMPARE(kickCount > 0, kicks);
    }
}

// Against a value of 0 only a non-zero entry lands: entry j (the seventh
// draw) holds the accuracy when j is even and 0 when it is odd.
void tst_defence_move::halfTheDrawsAreZero()
{
    const MoveCase &move = cases[0];
    const Fighter defender = BoutDriver::makeFighter("Lee", "Outfighter", 50);
    int landed = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        GameRandom::seed(seed);
        for (int draw = 0; draw < 6; ++draw)
            GameRandom::draw();
        const bool accuracyDrawn = GameRandom::roll(8) % 2 == 0;

        DefenceRing ring(attackerRecord, defender, move.answerCode, 0);
        startMove(ring, move, seed);
        const bool stopped = stateName(ring.defenderState()) == move.landed;
        QCOMPARE(stopped, accuracyDrawn);
        landed += stopped;
    }
    QVERIFY(landed > 60 && landed < 140);
}

void tst_defence_move::otherAnswerCodesAreIgnored()
{
    const Fighter defender = BoutDriver::makeFighter("Lee", "Outfighter", 50);
    DefenceRing ring(attackerRecord, defender);
    ring.defender()->setSituation(1);
    ring.install(new State_Def_DefMoveIn(ring.defender()));
    const MatchState *moving = ring.defenderState();
    for (int code : {1, 2, 3, 24})
        ring.defender()->handleValue(code, -1);
    for (int code : {0, 1, 2, 6, 24})
        ring.defender()->handleMessage(code);
    QCOMPARE(ring.defenderState(), moving);
    QVERIFY(ring.received().isEmpty());

    ring.defender()->handleValue(0, -1);
    QCOMPARE(stateName(ring.defenderState()), stateName<State_Def_Out>());
}

// An accuracy divisor attribute of 115 makes (100 - A) / 10 + 1 zero, and a
// power divisor attribute of 120 makes s4 - A + 101 zero when s4 is 19.
void tst_defence_move::zeroDivisorsAreTakenAsOne()
{
    QVector<int> ints(Fighter::IntCount, 50);
    ints[65] = ints[68] = 115;
    ints[57] = ints[73] = 120;
    const Fighter defender = BoutDriver::makeFighter("Lee", "Outfighter", ints);
    for (const MoveCase &move : cases) {
        for (unsigned seed = 1; seed <= 150; ++seed) {
            DefenceRing ring(attackerRecord, defender, move.answerCode, -1);
            startMove(ring, move, seed);
            QCOMPARE(stateName(ring.defenderState()), move.landed);
        }
    }
}

QTEST_GUILESS_MAIN(tst_defence_move)
#include "tst_defence_move.moc"
