// The defender's waiting states: their movement lines, the attack codes
// they hand to the defence decision, the range codes they answer by
// following or stopping, the swap of the kept style, and the calm-down.
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
#include "match/defence/State_Def_DefendDecide.h"
#include "match/defence/State_Def_In.h"
#include "match/defence/State_Def_Out.h"
#include "records/GameRandom.h"

namespace {

using Names = QSet<QString>;

enum Waiting { Out, In, Clinch };
const StateFactory makers[] = {&makeState<State_Def_Out>, &makeState<State_Def_In>,
                                                       &makeState<State_Def_Clinch>};

const Fighter attackerRecord = BoutDriver::makeFighter("Kim", "Brawler", 50);

// The defender's state after a waiting state takes `code`. The probe does
// not answer a movement state, which then waits.
QString answer(const Fighter &defender, Waiting waiting, int code, unsigned seed,
               int *situation = nullptr, int mindset = 0)
{
    DefenceRing ring(attackerRecord, defender);
    ring.defender()->setSituation(7);
    ring.defender()->setMindset(mindset);
    ring.install(makers[waiting](ring.defender()));
    GameRandom::seed(seed);
    ring.defender()->handleMessage(code);
    if (situation)
        *situation = ring.defender()->getSituation();
    return stateName(ring.defenderState());
}

} // namespace

class tst_defence_waiting : public QObject
{
    Q_OBJECT

private slots:
    void enterSetsSituationAndSpeaks_data();
    void enterSetsSituationAndSpeaks();
    void answers_data();
    void answers();
    void keptStyleSwapsTheScores_data();
    void keptStyleSwapsTheScores();
    void hurtFighterMayCalmDown_data();
    void hurtFighterMayCalmDown();
    void zeroDivisorsAreTakenAsOne();
};

void tst_defence_waiting::enterSetsSituationAndSpeaks_data()
{
    QTest::addColumn<int>("waiting");
    QTest::addColumn<int>("situation");
    QTest::addColumn<QString>("aLine");
    QTest::addRow("long range") << int(Out) << 1 << " circles out. ";
    QTest::addRow("pocket") << int(In) << 0 << " meets his opponent in the pocket. ";
    QTest::addRow("clinch") << int(Clinch) << 2
                            << "'s his arms with his opponent's, and they are firmly in the clinch. ";
}

void tst_defence_waiting::enterSetsSituationAndSpeaks()
{
    QFETCH(int, waiting);
    QFETCH(int, situation);
    QFETCH(QString, aLine);
    const Fighter defender = BoutDriver::makeFighter("Lee", "Outfighter", 50);
    QSet<QString> lines;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        DefenceRing ring(attackerRecord, defender);
        ring.defender()->setSituation(9);
        GameRandom::seed(seed);
        ring.defender()->changeState(makers[waiting](ring.defender()));
        QCOMPARE(ring.defender()->getSituation(), situation);
        const QString said = ring.defender()->getCommentary();
        QVERIFY(said.startsWith("Lee"));
        lines.insert(said.mid(3));
    }
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.contains(aLine));
}

void tst_defence_waiting::answers_data()
{
    QTest::addColumn<int>("waiting");
    QTest::addColumn<int>("code");
    QTest::addColumn<Names>("expected");
    QTest::addColumn<int>("situation");
    const Names decide{stateName<State_Def_DefendDecide>()};
    const Names toPocket{stateName<State_Def_In>(), stateName<State_Def_DefMoveIn>()};
    const int unchanged = 7;

    QTest::addRow("long range, attack coming") << int(Out) << 6 << decide << 1;
    QTest::addRow("long range, attacker moves in") << int(Out) << 0 << toPocket << 1;
    QTest::addRow("long range ignores a move to the clinch")
        << int(Out) << 2 << Names{stateName<State_Def_Out>()} << unchanged;
    QTest::addRow("long range ignores a pocket attack")
        << int(Out) << 7 << Names{stateName<State_Def_Out>()} << unchanged;

    QTest::addRow("pocket, attack coming") << int(In) << 7 << decide << 0;
    QTest::addRow("pocket, attacker moves out")
        << int(In) << 1 << Names{stateName<State_Def_Out>(), stateName<State_Def_DefMoveOut>()} << 0;
    QTest::addRow("pocket, attacker clinches")
        << int(In) << 2 << Names{stateName<State_Def_Clinch>(), stateName<State_Def_DefMoveClinch>()}
        << 0;
    QTest::addRow("pocket ignores a move in")
        << int(In) << 0 << Names{stateName<State_Def_In>()} << unchanged;
    QTest::addRow("pocket ignores a long-range attack")
        << int(In) << 6 << Names{stateName<State_Def_In>()} << unchanged;

    QTest::addRow("clinch, attack coming") << int(Clinch) << 8 << decide << 2;
    QTest::addRow("clinch, attacker moves to the pocket") << int(Clinch) << 0 << toPocket << 2;
    QTest::addRow("clinch ignores a move out")
        << int(Clinch) << 1 << Names{stateName<State_Def_Clinch>()} << unchanged;
    QTest::addRow("clinch ignores a strike code")
        << int(Clinch) << 9 << Names{stateName<State_Def_Clinch>()} << unchanged;
}

// The states seen over many seeds, and the situation left for the next
// state (a follow state's enter sets its own; a movement state keeps it).
void tst_defence_waiting::answers()
{
    QFETCH(int, waiting);
    QFETCH(int, code);
    QFETCH(Names, expected);
    QFETCH(int, situation);
    const Fighter defender = BoutDriver::makeFighter("Lee", "Puncher", 50);
    Names seen;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        int left = -1;
        const QString state = answer(defender, Waiting(waiting), code, seed, &left);
        seen.insert(state);
        const bool followed = state == stateName<State_Def_In>() || state == stateName<State_Def_Out>()
                              || state == stateName<State_Def_Clinch>();
        if (!followed || expected.size() == 1)
            QCOMPARE(left, situation);
    }
    QCOMPARE(seen, expected);
}

void tst_defence_waiting::keptStyleSwapsTheScores_data()
{
    QTest::addColumn<int>("waiting");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("keeper");
    QTest::addColumn<QString>("follow");
    QTest::addRow("Outfighter at long range") << int(Out) << 0 << "Outfighter" << stateName<State_Def_In>();
    QTest::addRow("Infighter in the pocket") << int(In) << 1 << "Infighter" << stateName<State_Def_Out>();
    QTest::addRow("Clincher in the clinch") << int(Clinch) << 0 << "Clincher" << stateName<State_Def_In>();
}

// With every attribute at 99 the branch-A follow score dwarfs the stop
// score, so the larger one (8 of 12 entries) is the follow score: a
// fighter follows two times in three. The style kept at that range swaps
// the two, so he tries to stop two times in three; a style outside the
// list takes branch A without the swap.
void tst_defence_waiting::keptStyleSwapsTheScores()
{
    QFETCH(int, waiting);
    QFETCH(int, code);
    QFETCH(QString, keeper);
    QFETCH(QString, follow);
    const Fighter keeping = BoutDriver::makeFighter("Lee", keeper, 99);
    const Fighter unknown = BoutDriver::makeFighter("Lee", "Wrestler", 99);
    const int runs = 300;
    int keeperFollows = 0;
    int unknownFollows = 0;
    for (unsigned seed = 1; seed <= runs; ++seed) {
        keeperFollows += answer(keeping, Waiting(waiting), code, seed) == follow;
        unknownFollows += answer(unknown, Waiting(waiting), code, seed) == follow;
    }
    QVERIFY2(unknownFollows > runs * 55 / 100 && unknownFollows < runs * 78 / 100,
             qPrintable(QString::number(unknownFollows)));
    QVERIFY2(keeperFollows > runs * 22 / 100 && keeperFollows < runs * 45 / 100,
             qPrintable(QString::number(keeperFollows)));
}

void tst_defence_waiting::hurtFighterMayCalmDown_data()
{
    QTest::addColumn<int>("mindset");
    QTest::addColumn<int>("attributes");
    QTest::addColumn<int>("after");
    QTest::addRow("dazed, composed fighter calms down") << 5 << 99 << 0;
    QTest::addRow("caught off guard, composed fighter calms down") << 6 << 99 << 0;
    QTest::addRow("dazed, no composure stays dazed") << 5 << 0 << 5;
    QTest::addRow("hunting the knockout is not hurt") << 8 << 99 << 8;
}

// Three R(100) rolls below A[77] + A[80] + A[86]: at 99 each the sum is
// 297, which only three 99s reach; at 0 nothing is below it.
void tst_defence_waiting::hurtFighterMayCalmDown()
{
    QFETCH(int, mindset);
    QFETCH(int, attributes);
    QFETCH(int, after);
    const Fighter defender = BoutDriver::makeFighter("Lee", "Kicker", attributes);
    for (unsigned seed = 1; seed <= 30; ++seed) {
        for (Waiting waiting : {Out, In, Clinch}) {
            DefenceRing ring(attackerRecord, defender);
            ring.defender()->setMindset(mindset);
            ring.install(makers[waiting](ring.defender()));
            GameRandom::seed(seed);
            ring.defender()->handleMessage(waiting == In ? 2 : 0);
            QCOMPARE(ring.defender()->getMindset(), after);
        }
    }
}

// A[77] of -15 makes A[77] / 10 + 1 zero and A[84] of 115 makes
// (100 - A[84]) / 10 + 1 zero: both divisions take 1 instead.
void tst_defence_waiting::zeroDivisorsAreTakenAsOne()
{
    QVector<int> ints(Fighter::IntCount, 50);
    ints[77] = -15;
    ints[84] = 115;
    const Fighter branchA = BoutDriver::makeFighter("Lee", "Infighter", ints);
    const Fighter branchB = BoutDriver::makeFighter("Lee", "Brawler", ints);
    const QString own[] = {stateName<State_Def_Out>(), stateName<State_Def_In>(), stateName<State_Def_Clinch>()};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        for (Waiting waiting : {Out, In, Clinch}) {
            const int code = waiting == In ? 1 : 0;
            QVERIFY(answer(branchA, waiting, code, seed) != own[waiting]);
            QVERIFY(answer(branchB, waiting, code, seed) != own[waiting]);
        }
    }
}

QTEST_GUILESS_MAIN(tst_defence_waiting)
#include "tst_defence_waiting.moc"
