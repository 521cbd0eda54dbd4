// The defence reactions: a block, dodge or counter that always holds or
// always fails, where the draw's zero entries fall, the code that reaches
// the attacker, and the return of fire.
#include <QSet>
#include <QtTest>
#include <typeinfo>

#include "core/BoutDriver.h"
#include "core/DefenceRing.h"
#include "match/Entity_MatchFighter.h"
#include "match/attack/StateFactory.h"
#include "match/State_Gen_BlkDmgBody.h"
#include "match/State_Gen_BlkDmgClinch.h"
#include "match/State_Gen_BlkDmgHeadKick.h"
#include "match/State_Gen_BlkDmgHeadPunch.h"
#include "match/State_Gen_BlkDmgLeg.h"
#include "match/State_Gen_CounterAtk.h"
#include "match/State_Gen_DodgeDmg.h"
#include "match/State_Gen_FullDmg.h"
#include "match/State_Gen_ReturnDmg.h"
#include "match/defence/State_Def_BlockClinch.h"
#include "match/defence/State_Def_BlockHighKick.h"
#include "match/defence/State_Def_BlockHighPunch.h"
#include "match/defence/State_Def_BlockLow.h"
#include "match/defence/State_Def_BlockMid.h"
#include "match/defence/State_Def_Clinch.h"
#include "match/defence/State_Def_CounterHigh.h"
#include "match/defence/State_Def_CounterMid.h"
#include "match/defence/State_Def_DodgeClinch.h"
#include "match/defence/State_Def_DodgeHigh.h"
#include "match/defence/State_Def_DodgeLow.h"
#include "match/defence/State_Def_DodgeMid.h"
#include "match/defence/State_Def_In.h"
#include "match/defence/State_Def_Out.h"
#include "match/defence/State_Def_ReturnAttack.h"
#include "records/GameRandom.h"

namespace {

using Pair = Entity_MatchFighter::StatPair;

struct ReactionCase {
    const char *name;
    StateFactory make;
    int strike;
    const std::type_info *held;
    Pair pair;
    int heldCode;
    const char *aHeldText;
    const char *aFailedText;
    const char *drawPattern;
};

const ReactionCase cases[] = {
    {"block high punch", &makeState<State_Def_BlockHighPunch>, 10, &typeid(State_Gen_BlkDmgHeadPunch),
     Entity_MatchFighter::BlockHighStats, 21, " manages to catch the attack right on his gloves. ",
     " takes the attack square on the chin! ", "S0SS0SS0SS0S"},
    {"block high kick", &makeState<State_Def_BlockHighKick>, 15, &typeid(State_Gen_BlkDmgHeadKick),
     Entity_MatchFighter::BlockHighStats, 21,
     "'s defense manages to save him from taking the full force of that kick. ",
     " eats the vicious high kick with full force! ", "S0SS0SS0SS0S"},
    {"block mid", &makeState<State_Def_BlockMid>, 14, &typeid(State_Gen_BlkDmgBody),
     Entity_MatchFighter::BlockLowStats, 21, " protects his body. ",
     "'s ribs will be feeling that in the morning! ", "S0SSSSS0SSSS"},
    {"block low", &makeState<State_Def_BlockLow>, 13, &typeid(State_Gen_BlkDmgLeg),
     Entity_MatchFighter::BlockLowStats, 21,
     " checks the kick, banging his shin against his opponent's! ",
     "'s lead leg gets hammered! ", "S0SSSSS0SSSS"},
    {"block clinch", &makeState<State_Def_BlockClinch>, 18, &typeid(State_Gen_BlkDmgClinch),
     Entity_MatchFighter::BlockHighStats, 21,
     " manages to block the attack despite being tied up in the clinch. ",
     " gets hammered! His clinch defense wasn't up to par for that one! ", "S0SSSSS0SSSS"},
    {"dodge high", &makeState<State_Def_DodgeHigh>, 9, &typeid(State_Gen_DodgeDmg),
     Entity_MatchFighter::DodgeHighStats, 22,
     "'s head movement is superb, as he successfully dodges the attack. ",
     " got hammered by that one! ", "S0SS0SS0SS0S"},
    {"dodge mid", &makeState<State_Def_DodgeMid>, 16, &typeid(State_Gen_DodgeDmg),
     Entity_MatchFighter::DodgeLowStats, 22, " moves out of the way! ",
     " takes the full force of that shot to the body. ", "S0SS0SS0SS0S"},
    {"dodge low", &makeState<State_Def_DodgeLow>, 13, &typeid(State_Gen_DodgeDmg),
     Entity_MatchFighter::DodgeLowStats, 22, " swings his leg out of the way! ",
     " isn't quick enough, and his leg gets pounded. ", "S0SS0SS0SS0S"},
    {"dodge clinch", &makeState<State_Def_DodgeClinch>, 19, &typeid(State_Gen_DodgeDmg),
     Entity_MatchFighter::DodgeLowStats, 22,
     "'s reaction is superb, as he successfully dodges the attack. ",
     " can't handle himself in the clinch, and gets hit hard! ", "S0SS0SS0SS0S"},
    {"counter high", &makeState<State_Def_CounterHigh>, 11, &typeid(State_Gen_CounterAtk),
     Entity_MatchFighter::CounterHighStats, 23,
     " slips the attack, and throws a counter attack before his opponent can react. ",
     "'s timing is off, and he gets clocked hard! ", "S0SS0SS0SS0S"},
    {"counter mid", &makeState<State_Def_CounterMid>, 20, &typeid(State_Gen_CounterAtk),
     Entity_MatchFighter::CounterMidStats, 23, " counters it! ",
     " wasn't quite fast enough, and his body ends up taking a beating! ", "S0SS0SS0SS0S"},
};

QVector<int> statisticsOf(Entity_MatchFighter *fighter)
{
    QVector<int> values;
    fighter->getStatistics(values);
    return values;
}

// The pair's (successes, attempts).
QPair<int, int> pairOf(Entity_MatchFighter *fighter, Pair pair)
{
    const QVector<int> values = statisticsOf(fighter);
    return qMakePair(values[6 + 2 * pair], values[7 + 2 * pair]);
}

const Fighter attackerRecord = BoutDriver::makeFighter("Kim", "Brawler", 50);
const Fighter defenderRecord = BoutDriver::makeFighter("Lee", "Outfighter", 50);

} // namespace

class tst_defence_reactions : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void zeroEntriesFail_data();
    void zeroEntriesFail();
    void anyValueCodeRunsTheRoll();
    void messagesOtherThanAttacksAreIgnored();
    void attackAnnouncementReturnsToWaiting_data();
    void attackAnnouncementReturnsToWaiting();
    void returnAttackFiresBackWithoutRolling();
    void steadinessDivisorOfZeroIsTakenAsOne();
};

void tst_defence_reactions::outcome_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("holds");
    for (int row = 0; row < int(sizeof cases / sizeof cases[0]); ++row) {
        QTest::addRow("%s, accuracy 0 always holds", cases[row].name) << row << true;
        QTest::addRow("%s, huge accuracy always fails", cases[row].name) << row << false;
    }
}

// Accuracy 0 is met by every entry, zeros included; an accuracy above any
// score beats them all. Either way the text, the statistics, the result
// state and the code it sends to the attacker follow.
void tst_defence_reactions::outcome()
{
    QFETCH(int, row);
    QFETCH(bool, holds);
    const ReactionCase &reaction = cases[row];
    const int accuracy = holds ? 0 : 100000;

    QSet<QString> texts;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        DefenceRing ring(attackerRecord, defenderRecord);
        ring.install(reaction.make(ring.defender()));
        GameRandom::seed(seed);
        ring.defender()->handleValue(reaction.strike, accuracy);

        const MatchState *state = ring.defenderState();
        QCOMPARE(stateName(state),
                 holds ? QString(reaction.held->name()) : stateName<State_Gen_FullDmg>());
        QCOMPARE(pairOf(ring.defender(), reaction.pair), qMakePair(holds ? 1 : 0, 1));
        QCOMPARE(ring.messages(), QVector<int>{holds ? reaction.heldCode : 3});
        const QString said = ring.defender()->getCommentary();
        QVERIFY2(said.startsWith("Lee"), qPrintable(said));
        texts.insert(said.mid(3));
    }
    // Five texts, each picked by (R(100) + 1) % 5.
    QCOMPARE(texts.size(), 5);
    QVERIFY(texts.contains(holds ? reaction.aHeldText : reaction.aFailedText));
}

void tst_defence_reactions::zeroEntriesFail_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(sizeof cases / sizeof cases[0]); ++row)
        QTest::addRow("%s", cases[row].name) << row;
}

// An accuracy of 1 is met by every score entry and beaten only by a zero:
// the draw (the fourth roll, after the two stages and the steadiness roll)
// decides, at the zero positions of the reaction's pattern.
void tst_defence_reactions::zeroEntriesFail()
{
    QFETCH(int, row);
    const ReactionCase &reaction = cases[row];
    int failures = 0;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        GameRandom::seed(seed);
        GameRandom::draw();
        GameRandom::draw();
        GameRandom::draw();
        const int position = GameRandom::roll(12);
        const bool zeroDrawn = reaction.drawPattern[position] == '0';

        DefenceRing ring(attackerRecord, defenderRecord);
        ring.install(reaction.make(ring.defender()));
        GameRandom::seed(seed);
        ring.defender()->handleValue(reaction.strike, 1);
        const bool failed = stateName(ring.defenderState()) == stateName<State_Gen_FullDmg>();
        QCOMPARE(failed, zeroDrawn);
        failures += failed;
    }
    QVERIFY(failures > 0);
}

void tst_defence_reactions::anyValueCodeRunsTheRoll()
{
    DefenceRing ring(attackerRecord, defenderRecord);
    ring.install(new State_Def_BlockMid(ring.defender()));
    ring.defender()->handleValue(24, 0);
    QCOMPARE(stateName(ring.defenderState()), stateName<State_Gen_BlkDmgBody>());
}

void tst_defence_reactions::messagesOtherThanAttacksAreIgnored()
{
    DefenceRing ring(attackerRecord, defenderRecord);
    ring.install(new State_Def_DodgeLow(ring.defender()));
    const MatchState *reaction = ring.defenderState();
    GameRandom::seed(7);
    for (int code : {0, 1, 2, 3, 5, 9, 21, 24, 25})
        ring.defender()->handleMessage(code);
    QCOMPARE(ring.defenderState(), reaction);
    QVERIFY(ring.defender()->getCommentary().isEmpty());
    QVERIFY(ring.received().isEmpty());
    const int next = GameRandom::draw();
    GameRandom::seed(7);
    QCOMPARE(next, GameRandom::draw());
}

void tst_defence_reactions::attackAnnouncementReturnsToWaiting_data()
{
    QTest::addColumn<bool>("returnFire");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("situation");
    for (bool returnFire : {false, true}) {
        const char *who = returnFire ? "return attack" : "block";
        QTest::addRow("%s, attack at long range", who) << returnFire << 6
                                                      << stateName<State_Def_Out>() << 1;
        QTest::addRow("%s, attack in the pocket", who) << returnFire << 7
                                                      << stateName<State_Def_In>() << 0;
        QTest::addRow("%s, attack in the clinch", who) << returnFire << 8
                                                      << stateName<State_Def_Clinch>() << 2;
    }
}

void tst_defence_reactions::attackAnnouncementReturnsToWaiting()
{
    QFETCH(bool, returnFire);
    QFETCH(int, code);
    QFETCH(QString, state);
    QFETCH(int, situation);
    DefenceRing ring(attackerRecord, defenderRecord);
    ring.defender()->setSituation(11);
    if (returnFire)
        ring.install(new State_Def_ReturnAttack(ring.defender()));
    else
        ring.install(new State_Def_BlockHighPunch(ring.defender()));
    GameRandom::seed(3);
    ring.defender()->handleMessage(code);
    QCOMPARE(stateName(ring.defenderState()), state);
    QCOMPARE(ring.defender()->getSituation(), situation);
    // The waiting state's enter wrote its movement line.
    QVERIFY(ring.defender()->getCommentary().startsWith("Lee"));
}

void tst_defence_reactions::returnAttackFiresBackWithoutRolling()
{
    DefenceRing ring(attackerRecord, defenderRecord);
    ring.install(new State_Def_ReturnAttack(ring.defender()));
    const QVector<int> before = statisticsOf(ring.defender());
    GameRandom::seed(11);
    ring.defender()->handleValue(14, 77);

    QCOMPARE(stateName(ring.defenderState()), stateName<State_Gen_ReturnDmg>());
    QCOMPARE(ring.messages(), QVector<int>{25});
    QCOMPARE(ring.defender()->getSituation(), 14);
    QCOMPARE(ring.defender()->getActionValue(), 77);
    QVERIFY(ring.defender()->getCommentary().isEmpty());
    QCOMPARE(statisticsOf(ring.defender()), before);
    const int next = GameRandom::draw();
    GameRandom::seed(11);
    QCOMPARE(next, GameRandom::draw());
}

// Steadiness 110 to 119 above the roll makes (r3 - D + 100) / 10 + 1 zero;
// the division then takes 1 instead of failing.
void tst_defence_reactions::steadinessDivisorOfZeroIsTakenAsOne()
{
    const Fighter steady = BoutDriver::makeFighter("Lee", "Outfighter", 125);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        DefenceRing ring(attackerRecord, steady);
        ring.install(new State_Def_BlockHighPunch(ring.defender()));
        GameRandom::seed(seed);
        ring.defender()->handleValue(9, 100000);
        QCOMPARE(stateName(ring.defenderState()), stateName<State_Gen_FullDmg>());
    }
}

QTEST_GUILESS_MAIN(tst_defence_reactions)
#include "tst_defence_reactions.moc"
