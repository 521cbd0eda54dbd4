#include <QtTest>

#include "EngineTestKit.h"
#include "match/State_Gen_BlkDmgBody.h"
#include "match/State_Gen_BlkDmgClinch.h"
#include "match/State_Gen_BlkDmgHeadKick.h"
#include "match/State_Gen_BlkDmgHeadPunch.h"
#include "match/State_Gen_BlkDmgLeg.h"
#include "match/State_Gen_CounterAtk.h"
#include "match/State_Gen_DodgeDmg.h"
#include "match/State_Gen_FullDmg.h"
#include "match/State_Gen_KD.h"
#include "match/State_Gen_ReturnDmg.h"
#include "match/attack/State_Atk_Out.h"
#include "match/attack/State_Atk_OutAttack.h"
#include "match/defence/State_Def_DefendDecide.h"
#include "match/defence/State_Def_Out.h"
#include <QSet>
#include <algorithm>
#include "match/MatchMessage.h"
#include "match/State_Gen_CounterDmg.h"

using namespace EngineKit;

namespace {

// Keys are indices of the 95-number vector (attribute k is k + 4).
// Toughness rolls that take nothing off (56, 58, 60), a chin and body that
// never go down, a mind that is never hurt (77, 80, 86), resistance rolls
// always passed and an attacker who always presses on.
const QMap<int, int> Soft = {{87, 100000}, {88, 100000}, {56, 0}, {58, 0}, {60, 0},
                             {77, 200}, {80, 200}, {86, 200}, {at(71), 100}, {at(72), 100}};
// Nothing to stand on: any big hit ends it (knocked down, not out), and
// the count's check always holds him down.
const QMap<int, int> Glass = {{87, 100}, {88, 0}, {56, 0}, {60, 0}, {74, 0},
                              {77, 0}, {80, 0}, {86, 0}};

struct Bout {
    MatchEngine &engine;
    Entity_MatchFighter *striker;
    Entity_MatchFighter *target;
};

// A fresh match whose attacker holds a probe strike of `code` with `power`.
// It is always heard: the tests read what the fighters say.
Bout bout(int code, int power, const QMap<int, int> &target,
          const QMap<int, int> &striker = {}, const QString &targetStyle = "Tactician",
          QStringList *paragraphs = nullptr)
{
    static QStringList unread;
    unread.clear();
    MatchEngine &engine = freshMatch(makeFighter("Ann", "Lee", 11, "Tactician", 50, striker),
                                     makeFighter("Bo", "Kim", 22, targetStyle, 50, target),
                                     paragraphs ? paragraphs : &unread);
    if (engine.getAttacker() != engine.getFighterA())
        engine.swapRoles();
    Entity_MatchFighter *a = engine.getAttacker();
    a->setState(new ProbeStrike(a, code));
    a->setActionValue(power);
    return {engine, a, engine.getDefender()};
}

bool isOneOf(const QString &text, const QStringList &endings)
{
    for (const QString &ending : endings)
        if (text.endsWith(ending))
            return true;
    return false;
}

} // namespace

using namespace EngineKit;

// The result states' damage and power formulas worked out from a replayed
// draw sequence: each whole number of the fighter differs, so a formula
// that reads the wrong index, or takes its rolls in another order, gives
// another figure.
namespace {

const unsigned Seed = 777;

// Every attribute a different value, a chin and body that never go down
// (so no knockdown check ends anything).
Fighter patterned(const QString &first, const QString &last, int id, const QString &style,
                  const QMap<int, int> &extra = {})
{
    QMap<int, int> values;
    for (int i = Fighter::FirstAttributeIndex; i < Fighter::HeadDurabilityIndex; ++i)
        values[i] = (i * 37) % 100;
    values[Fighter::HeadDurabilityIndex] = 100000;
    values[Fighter::BodyDurabilityIndex] = 100000;
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        values[it.key()] = it.value();
    return makeFighter(first, last, id, style, 0, values);
}

// A fresh match of A against B in which A attacks.
MatchEngine &aAttacks(const Fighter &a, const Fighter &b)
{
    MatchEngine &engine = freshMatch(a, b);
    if (engine.getAttacker() != engine.getFighterA())
        engine.swapRoles();
    return engine;
}

int w(int index, const QMap<int, int> &extra = {})
{
    return extra.value(index, (index * 37) % 100);
}

} // namespace

// The result states, driven by probe strikes that keep the strike contract.
class TestEngineResults : public QObject
{
    Q_OBJECT

private slots:
    void fullHitByRegion_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("head");
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("legs");
        QTest::addRow("jab: head") << 9 << 7 << 0 << 0;
        QTest::addRow("elbow: head") << 18 << 7 << 0 << 0;
        QTest::addRow("high kick: head") << 15 << 7 << 0 << 0;
        QTest::addRow("low kick: legs, half again") << 13 << 0 << 0 << 10;
        QTest::addRow("mid kick: body, half again") << 14 << 0 << 10 << 0;
        QTest::addRow("dirty boxing: body") << 19 << 0 << 10 << 0;
        QTest::addRow("body punch: body") << 20 << 0 << 10 << 0;
    }
    void fullHitByRegion()
    {
        QFETCH(int, code);
        QFETCH(int, head);
        QFETCH(int, body);
        QFETCH(int, legs);
        Bout b = bout(code, 7, Soft);
        const int h0 = b.target->getHeadHealth(), b0 = b.target->getBodyHealth();
        const int l0 = b.target->getLegsHealth(), s0 = b.target->getStamina();
        b.target->changeState(new State_Gen_FullDmg(b.target));

        QCOMPARE(h0 - b.target->getHeadHealth(), head);
        QCOMPARE(b0 - b.target->getBodyHealth(), body);
        QCOMPARE(l0 - b.target->getLegsHealth(), legs);
        QCOMPARE(s0 - b.target->getStamina(), 7);
        QCOMPARE(b.target->getSituation(), code);
        QCOMPARE(b.target->getMindset(), 0);
        QCOMPARE(b.target->getActionValue(), 7);
        QVector<int> stats;
        b.striker->getStatistics(stats);
        QCOMPARE(stats.at(6 + 2 * (code - 9)), 1);
        QCOMPARE(stats.at(6 + 2 * (code - 9) + 1), 1);
        // The striker's rule went on (no new exchange): the result state waits.
        QVERIFY(dynamic_cast<State_Gen_FullDmg *>(b.target->getState()));
        QCOMPARE(b.engine.getAttacker(), b.striker);
    }

    void powerBelowToughnessDoesNothing()
    {
        Bout b = bout(9, -40, Soft);
        const int h0 = b.target->getHeadHealth(), s0 = b.target->getStamina();
        b.target->changeState(new State_Gen_FullDmg(b.target));
        QCOMPARE(b.target->getHeadHealth(), h0);
        QCOMPARE(b.target->getStamina(), s0);
    }

    void aHardHitCatchesAWeakMindOffGuard()
    {
        QMap<int, int> shaky = Soft;
        shaky[77] = shaky[80] = shaky[86] = 0;
        Bout b = bout(14, 0, shaky);
        b.target->changeState(new State_Gen_FullDmg(b.target));
        QCOMPARE(b.target->getMindset(), 6);
    }

    void waitingResultStatesAnswerTheNextMove_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("next");
        QTest::addRow("attack outside") << 6 << 1 << "decide";
        QTest::addRow("attack in the pocket") << 7 << 0 << "decide";
        QTest::addRow("attack in the clinch") << 8 << 2 << "decide";
        QTest::addRow("moved out: the new state's enter sets it") << 1 << 1 << "out";
        for (int ignored : {0, 2, 3, 4, 5, 9, 20, 21, 25})
            QTest::addRow("ignores %d", ignored) << ignored << 9 << "same";
    }
    void waitingResultStatesAnswerTheNextMove()
    {
        QFETCH(int, code);
        QFETCH(int, situation);
        QFETCH(QString, next);
        Bout b = bout(9, 1, Soft);
        b.target->changeState(new State_Gen_FullDmg(b.target));
        b.engine.sendMessageToDefender(code);
        QCOMPARE(b.target->getSituation(), situation);
        if (next == "decide")
            QVERIFY(dynamic_cast<State_Def_DefendDecide *>(b.target->getState()));
        else if (next == "out")
            QVERIFY(dynamic_cast<State_Def_Out *>(b.target->getState()));
        else
            QVERIFY(dynamic_cast<State_Gen_FullDmg *>(b.target->getState()));
    }

    void blocksTakeOffTheGuard_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("legs");
        QTest::addRow("head punch") << 0 << false;
        QTest::addRow("head kick") << 1 << false;
        QTest::addRow("body") << 2 << false;
        QTest::addRow("leg") << 3 << true;
        QTest::addRow("clinch") << 4 << false;
    }
    void blocksTakeOffTheGuard()
    {
        QFETCH(int, kind);
        QFETCH(bool, legs);
        Bout b = bout(9, 60, Soft);
        Entity_MatchFighter *t = b.target;
        const int arms = t->getArmsHealth(), leg = t->getLegsHealth(), s0 = t->getStamina();
        const int head = t->getHeadHealth(), body = t->getBodyHealth();
        MatchState *block = newBlockState(kind, t);
        const int situation = t->getSituation();
        t->changeState(block);
        // The guard takes some off; stamina pays the rest, the pool half again.
        const int damage = s0 - t->getStamina();
        QVERIFY(damage > 0 && damage < 60);
        QCOMPARE(arms - t->getArmsHealth(), legs ? 0 : damage + damage / 2);
        QCOMPARE(leg - t->getLegsHealth(), legs ? damage + damage / 2 : 0);
        QCOMPARE(t->getHeadHealth(), head);
        QCOMPARE(t->getBodyHealth(), body);
        QCOMPARE(t->getSituation(), situation);
        QCOMPARE(t->getMindset(), 0);
        QCOMPARE(t->getActionValue(), 60);
        QVector<int> stats;
        b.striker->getStatistics(stats);
        QCOMPARE(stats.mid(6, 2), QVector<int>({0, 1}));
    }

    // A block on spent arms knocks down: the fallen fighter takes the
    // attacker's role and the striker is credited.
    void blockKnockdownHandsOverTheCount()
    {
        Bout b = bout(10, 10000, Glass);
        b.target->changeState(new State_Gen_BlkDmgHeadPunch(b.target));
        QCOMPARE(b.engine.getAttacker(), b.target);
        QVERIFY(dynamic_cast<State_Gen_KD *>(b.target->getState()));
        QCOMPARE(b.target->getSituation(), 4);
        QCOMPARE(b.target->getKnockdownsSuffered(), 1);
        QCOMPARE(b.striker->getKnockdownsScored(), 1);
        QCOMPARE(b.striker->getSituation(), 10);
        QCOMPARE(b.target->getCommentary(), QString("Kim has gone down! Will he be able to get up?"));
        QCOMPARE(b.engine.getRoundStatistics().mid(6), QVector<int>({0, 1}));
    }

    void knockoutEndsTheMatchAtOnce()
    {
        QMap<int, int> noChin = Glass;
        noChin[87] = -1;
        QStringList paragraphs;
        Bout b = bout(12, 100000, noChin);
        b.target->changeState(new State_Gen_FullDmg(b.target));
        QVERIFY(b.engine.isMatchOver());
        QCOMPARE(b.engine.getLoser(), b.target);
        QCOMPARE(b.target->getSituation(), 5);
        QCOMPARE(b.target->getKnockdownsSuffered(), 1);
        QCOMPARE(b.striker->getKnockdownsScored(), 1);
        QVERIFY(isOneOf(b.target->getCommentary(),
                        {"Bo Kim is out cold! It's over! ", "Oh! Kim crumples to the mat! He's out! ",
                         "Kim collapses to the mat, knocked out before he even hits the ground! ",
                         "Kim gets knocked out cold, falling to the mat in a heap! ",
                         "Oh! Kim falls to the ground! It's a knockout! "}));
        QVERIFY(!b.target->getCommentary().contains("has gone down"));
        QVERIFY(dynamic_cast<State_Atk_Out *>(b.engine.getAttacker()->getState()));
        QString w, l;
        int wi = 0, li = 0;
        QCOMPARE(b.engine.getResultText(&wi, &w, &li, &l),
                 QString("Ann Lee defeated Bo Kim by KO(Uppercut) in 0:00 of Round 1."));
    }

    void theThirdKnockdownEndsTheBout()
    {
        Bout b = bout(14, 10000, Glass);
        for (int knockdown = 1; knockdown <= 3; ++knockdown) {
            if (b.engine.getAttacker() != b.striker)
                b.engine.nextExchange();
            b.striker->setState(new ProbeStrike(b.striker, 14));
            b.striker->setActionValue(10000);
            b.target->changeState(new State_Gen_FullDmg(b.target));
            QCOMPARE(b.engine.isMatchOver(), knockdown == 3);
        }
        QCOMPARE(b.target->getSituation(), 5);
        QCOMPARE(b.engine.getLoser(), b.target);
        QVERIFY(b.target->getCommentary().endsWith(
            "That's the third time this round that Bo Kim has gone down! This match is over!"));
        QString w, l;
        int wi = 0, li = 0;
        QVERIFY(b.engine.getResultText(&wi, &w, &li, &l).contains("by TKO(Mid Kick) in"));
    }

    void countToTenKeepsAFallenFighterDown()
    {
        QStringList paragraphs;
        Bout b = bout(14, 10000, Glass, {}, "Tactician", &paragraphs);
        b.target->changeState(new State_Gen_FullDmg(b.target));
        b.target->clearCommentary();
        int steps = 0;
        while (!b.engine.step() && steps < 20) {
            ++steps;
            // The fallen fighter speaks first: he is the attacker.
            QCOMPARE(paragraphs.at(2 * steps - 2), QString::number(steps) + "..... ");
        }
        QCOMPARE(steps + 1, 10);
        QVERIFY(paragraphs.at(18).startsWith("10..... "));
        QVERIFY(isOneOf(paragraphs.at(18),
                        {"Kim stays down, and it is over! ", "Bo Kim isn't able to beat the count. ",
                         "Kim can't get up, and this match is over. ",
                         "Kim is done, and the referee waves the match off. ",
                         "Bo Kim won't be getting up any time soon, and the bell rings to end the match. "}));
        QVERIFY(b.engine.isMatchOver());
        QCOMPARE(b.engine.getLoser(), b.target);
        QCOMPARE(b.target->getSituation(), 5);
    }

    void theFallenGetsUpAtTheFourthCount()
    {
        // A full body pool and a high-rated recovery: the count's check never
        // holds him down, but the spent arms let a block drop him first.
        const QMap<int, int> sturdy = {{87, 100000}, {88, 0}, {56, 0}, {60, 200},
                                       {77, 300}, {74, 200}, {80, 200}, {86, 200}};
        QStringList paragraphs;
        Bout b = bout(9, 700, sturdy, {}, "Tactician", &paragraphs);
        b.target->changeState(new State_Gen_BlkDmgHeadPunch(b.target));
        QVERIFY(dynamic_cast<State_Gen_KD *>(b.target->getState()));
        b.target->clearCommentary();
        const int stamina = b.target->getStamina();
        for (int count = 1; count <= 3; ++count) {
            QVERIFY(!b.engine.step());
            QCOMPARE(paragraphs.last(), QString());
            QCOMPARE(paragraphs.at(paragraphs.size() - 2), QString::number(count) + "..... ");
            QCOMPARE(b.engine.getAttacker(), b.target);
        }
        QVERIFY(!b.engine.step());
        // Roles back: the fighter who scored attacks from a fresh start.
        QCOMPARE(b.engine.getAttacker(), b.striker);
        QVERIFY(dynamic_cast<State_Atk_Out *>(b.striker->getState()));
        QVERIFY(dynamic_cast<State_Def_Out *>(b.target->getState()));
        QVERIFY(isOneOf(paragraphs.last(),
                        {"4..... Kim gets up! ", "4..... Kim musters up the courage to pick himself up off the mat! ",
                         "4..... Kim is up and ready to keep fighting! ",
                         "4..... Kim gets up, and looks like he's ready to fire back! ",
                         "4..... Kim rises up, and continues the match. "}));
        QCOMPARE(stamina - b.target->getStamina(), 10);
    }

    void dodgeThatDoesNotPressOn()
    {
        QMap<int, int> holdsBack = Glass;
        holdsBack[at(77)] = 0;
        Bout b = bout(11, 30, holdsBack);
        ProbeStrike::exchangeRuleCalls = 0;
        b.target->changeState(new State_Gen_DodgeDmg(b.target));
        QCOMPARE(ProbeStrike::exchangeRuleCalls, 1);
        QCOMPARE(b.target->getCommentary(), QString());
        QCOMPARE(b.engine.getAttacker(), b.striker);
        QVERIFY(dynamic_cast<State_Gen_DodgeDmg *>(b.target->getState()));
        QCOMPARE(b.target->getActionValue(), 30);
        QVector<int> stats;
        b.striker->getStatistics(stats);
        QCOMPARE(stats.mid(6 + 4, 2), QVector<int>({0, 1}));
    }

    void dodgeThatPressesOn()
    {
        Bout b = bout(11, 30, Soft);
        b.target->changeState(new State_Gen_DodgeDmg(b.target));
        QCOMPARE(b.engine.getAttacker(), b.target);
        QVERIFY(dynamic_cast<State_Atk_Out *>(b.target->getState()));
        QVERIFY(dynamic_cast<State_Def_Out *>(b.striker->getState()));
        QVERIFY(isOneOf(b.target->getCommentary(),
                        {"Kim presses his advantage! ", "Kim avoids the attack and tries to capitalize. ",
                         "Kim slips the attack and moves forward himself! ",
                         "Kim managed to throw his opponent off balance by dodging. Now he's looking to take advantage... ",
                         "Kim moves forward, having avoided his opponent's assault. "}));
    }

    void counterByRangeAndStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("strike");
        QTest::addRow("kicker outside") << "Kicker" << 1 << 16;
        QTest::addRow("clincher outside") << "Clincher" << 1 << 16;
        QTest::addRow("puncher outside") << "Puncher" << 1 << 9;
        QTest::addRow("no style outside") << "Wrestler" << 1 << 9;
        QTest::addRow("kicker inside") << "Kicker" << 0 << 17;
        QTest::addRow("clincher in clinch") << "Clincher" << 2 << 17;
        QTest::addRow("tactician inside") << "Tactician" << 0 << 12;
        QTest::addRow("brawler in clinch") << "Brawler" << 2 << 12;
        QTest::addRow("no range") << "Kicker" << 6 << 0;
    }
    void counterByRangeAndStyle()
    {
        QFETCH(QString, style);
        QFETCH(int, range);
        QFETCH(int, strike);
        QStringList paragraphs;
        Bout b = bout(11, 30, Soft, Soft, style, &paragraphs);
        Entity_MatchFighter *counterer = b.target;
        Entity_MatchFighter *countered = b.striker;
        counterer->setSituation(range);
        counterer->changeState(new State_Gen_CounterAtk(counterer));
        QCOMPARE(b.engine.getAttacker(), counterer);
        QCOMPARE(countered->getState() != nullptr, true);
        const int head = countered->getHeadHealth(), stamina = countered->getStamina();
        b.engine.step();
        const int taken = head - countered->getHeadHealth();
        QCOMPARE(stamina - countered->getStamina(), taken);
        QVector<int> stats;
        counterer->getStatistics(stats);
        if (strike) {
            QVERIFY(taken > 0);
            QCOMPARE(counterer->getSituation(), strike);
            QCOMPARE(stats.mid(6 + 2 * (strike - 9), 2), QVector<int>({1, 1}));
            QVERIFY(paragraphs.filter(QRegularExpression("^Kim ")).size() == 1);
        } else {
            QCOMPARE(taken, 0);
            QCOMPARE(counterer->getSituation(), range);
        }
        // Fresh range states; the countered fighter presses on (he has the
        // pressing attributes), so he attacks.
        QCOMPARE(b.engine.getAttacker(), countered);
        QVERIFY(dynamic_cast<State_Atk_Out *>(countered->getState()));
        QVERIFY(dynamic_cast<State_Def_Out *>(counterer->getState()));
    }

    void counterLeavesTheCounterPuncherAttackingWhenTheOtherStops()
    {
        QMap<int, int> passive = Soft;
        passive[at(77)] = passive[77] = passive[80] = passive[86] = 0;
        Bout b = bout(11, 30, Soft, passive);
        b.target->setSituation(1);
        b.target->changeState(new State_Gen_CounterAtk(b.target));
        b.engine.step();
        QCOMPARE(b.engine.getAttacker(), b.target);
        QVERIFY(dynamic_cast<State_Atk_Out *>(b.target->getState()));
    }

    void counterKnockdownLeavesTheFallenAttacking()
    {
        QMap<int, int> hitter = Soft;
        hitter[6] = hitter[70] = hitter[83] = 300; // the jab's own, attack power
        hitter[57] = 99;
        Bout b = bout(11, 30, hitter, Glass, "Tactician");
        b.target->setSituation(1);
        b.target->changeState(new State_Gen_CounterAtk(b.target));
        b.engine.step();
        QCOMPARE(b.engine.getAttacker(), b.striker);
        QVERIFY(dynamic_cast<State_Gen_KD *>(b.striker->getState()));
        QVERIFY(dynamic_cast<State_Gen_CounterAtk *>(b.target->getState()));
        QCOMPARE(b.striker->getSituation(), 4);
        QCOMPARE(b.striker->getKnockdownsSuffered(), 1);
        QCOMPARE(b.target->getKnockdownsScored(), 1);
    }

    void returnFireByStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QVector<int>>("strikes");
        QTest::addRow("kicker") << "Kicker" << QVector<int>({15});
        QTest::addRow("tactician") << "Tactician" << QVector<int>({9});
        QTest::addRow("puncher") << "Puncher" << QVector<int>({12, 10});
        QTest::addRow("brawler") << "Brawler" << QVector<int>({12, 10});
        QTest::addRow("outfighter") << "Outfighter" << QVector<int>({17, 11});
        QTest::addRow("unknown") << "Wrestler" << QVector<int>({17, 11});
    }
    void returnFireByStyle()
    {
        QFETCH(QString, style);
        QFETCH(QVector<int>, strikes);
        QMap<int, int> returner = Soft;
        returner[at(66)] = 40;
        Bout b = bout(13, 8, returner, Soft, style);
        b.striker->setSituation(6);
        const int legs = b.target->getLegsHealth();
        b.target->changeState(new State_Gen_ReturnDmg(b.target));
        // The low kick taken in full, without the half again.
        QCOMPARE(legs - b.target->getLegsHealth(), 8);
        QVERIFY(strikes.contains(b.target->getSituation()));
        const int power = b.striker->getActionValue();
        QVERIFY(power >= 4 + 1 && power <= 4 + 10);
        QVERIFY(dynamic_cast<State_Gen_ReturnReceive *>(b.striker->getState()));
        QCOMPARE(b.engine.getAttacker(), b.striker);

        const int head = b.striker->getHeadHealth();
        b.engine.step();
        QCOMPARE(head - b.striker->getHeadHealth(), power);
        // Exchange count 0: the striker attacks again at his range.
        QVERIFY(dynamic_cast<State_Atk_OutAttack *>(b.striker->getState()));
        QVERIFY(dynamic_cast<State_Def_DefendDecide *>(b.target->getState()));
        QCOMPARE(b.target->getSituation(), 1);
    }

    void returnThatFloorsTheAttacker()
    {
        QMap<int, int> returner = Soft;
        returner[at(66)] = 5000;
        Bout b = bout(9, 1, returner, Glass, "Kicker");
        b.target->changeState(new State_Gen_ReturnDmg(b.target));
        b.engine.step();
        QCOMPARE(b.engine.getAttacker(), b.striker);
        QVERIFY(dynamic_cast<State_Gen_KD *>(b.striker->getState()));
        QCOMPARE(b.striker->getSituation(), 4);
        QCOMPARE(b.striker->getKnockdownsSuffered(), 1);
        QCOMPARE(b.target->getKnockdownsScored(), 1);
    }

    void returnThatKnocksTheAttackerOut()
    {
        QMap<int, int> returner = Soft;
        returner[at(66)] = 5000;
        QMap<int, int> noChin = Glass;
        noChin[87] = -1;
        Bout b = bout(9, 1, returner, noChin, "Tactician");
        b.target->changeState(new State_Gen_ReturnDmg(b.target));
        b.engine.step();
        QVERIFY(b.engine.isMatchOver());
        QCOMPARE(b.engine.getLoser(), b.striker);
        QCOMPARE(b.target->getKnockdownsScored(), 1);
        QString w, l;
        int wi = 0, li = 0;
        QCOMPARE(b.engine.getResultText(&wi, &w, &li, &l),
                 QString("Bo Kim defeated Ann Lee by KO(Jab) in 0:00 of Round 1."));
    }

private slots:
    void fullDamage()
    {
        const QMap<int, int> extra = {{60, 95}};
        MatchEngine &engine = freshMatch(patterned("Ann", "Lee", 11, "Tactician", extra),
                                         patterned("Bo", "Kim", 22, "Tactician", extra));
        Entity_MatchFighter *t = engine.getFighterB();
        auto *state = new State_Gen_FullDmg(t);
        t->setState(state);
        t->setActionValue(40);
        t->setSituation(MatchMessage::MidKick);
        const int stamina = t->getStamina();
        const QVector<int> d = drawsAfter(Seed, 3);
        GameRandom::seed(Seed);
        state->execute(t);

        const int toughness = w(58) / 10 + d[0] % 10 + 1 + w(56) / 10 + d[1] % 10 + 1;
        const int spread = (d[2] % 10 + 1 - 95 + 100) / 5 + 1;
        const int damage = std::max(0, 40 - toughness / spread);
        QCOMPARE(stamina - t->getStamina(), damage);
    }

    void blockedDamage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("guardA");
        QTest::addColumn<int>("guardB");
        QTest::addRow("head punch") << 0 << 46 << 47;
        QTest::addRow("head kick") << 1 << 44 << 45;
        QTest::addRow("body") << 2 << 50 << 51;
        QTest::addRow("leg") << 3 << 48 << 49;
        QTest::addRow("clinch") << 4 << 52 << 53;
    }
    void blockedDamage()
    {
        QFETCH(int, kind);
        QFETCH(int, guardA);
        QFETCH(int, guardB);
        MatchEngine &engine = freshMatch(patterned("Ann", "Lee", 11, "Tactician"),
                                         patterned("Bo", "Kim", 22, "Tactician"));
        Entity_MatchFighter *t = engine.getFighterB();
        MatchState *block = newBlockState(kind, t);
        t->setState(block);
        t->setActionValue(30);
        const int stamina = t->getStamina();
        const QVector<int> d = drawsAfter(Seed, 3);
        GameRandom::seed(Seed);
        block->execute(t);

        const int guard = w(60) / 10 + w(guardA) / 10 + 2 * (d[0] % 10 + 1) + w(guardB) / 10 + d[1] % 10 + 1;
        const int spread = (101 - w(56) + d[2] % 20) / 15 + 1;
        const int damage = std::max(0, 30 - guard / spread);
        QCOMPARE(stamina - t->getStamina(), damage);
    }

    void counterPower_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("own");
        QTest::addColumn<int>("against");
        QTest::addColumn<int>("cost");
        QTest::addRow("jab") << "Tactician" << 1 << 6 << 57 << 5;
        QTest::addRow("front kick") << "Kicker" << 1 << 27 << 73 << 26;
        QTest::addRow("uppercut") << "Puncher" << 0 << 15 << 74 << 14;
        QTest::addRow("knee") << "Clincher" << 2 << 30 << 73 << 29;
    }
    void counterPower()
    {
        QFETCH(QString, style);
        QFETCH(int, range);
        QFETCH(int, own);
        QFETCH(int, against);
        QFETCH(int, cost);
        MatchEngine &engine = aAttacks(patterned("Ann", "Lee", 11, style),
                                       patterned("Bo", "Kim", 22, "Tactician"));
        Entity_MatchFighter *counterer = engine.getFighterA();
        Entity_MatchFighter *countered = engine.getFighterB();
        auto *counter = new State_Gen_CounterAtk(counterer);
        counterer->setState(counter);
        counterer->setSituation(range);
        countered->setState(new State_Gen_CounterDmg(countered));
        const int stamina = counterer->getStamina();
        const QVector<int> d = drawsAfter(Seed, 4);
        GameRandom::seed(Seed);
        counter->execute(counterer);

        const int total = (w(own) + w(70) + 2 * (d[0] % 40 + 1)) + (w(83) + w(70) + 2 * (d[1] % 40 + 1))
            + (w(own) + w(70) + 2 * (d[2] % 40 + 1));
        const int divisor = (d[3] % 10 + 1 - w(against) + 100) / 3 + 1;
        QCOMPARE(countered->getActionValue(), total / divisor);
        QCOMPARE(stamina - counterer->getStamina(), (100 - w(cost)) / 10);
    }

    void returnPower_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("headsStrike");
        QTest::addColumn<int>("tailsStrike");
        QTest::addColumn<int>("headsCost");
        QTest::addColumn<int>("tailsCost");
        QTest::addRow("outfighter") << "Outfighter" << 17 << 11 << 29 << 11;
        QTest::addRow("brawler") << "Brawler" << 12 << 10 << 14 << 8;
        QTest::addRow("kicker") << "Kicker" << 15 << 15 << 23 << 23;
        QTest::addRow("tactician") << "Tactician" << 9 << 9 << 5 << 5;
    }
    void returnPower()
    {
        QFETCH(QString, style);
        QFETCH(int, headsStrike);
        QFETCH(int, tailsStrike);
        QFETCH(int, headsCost);
        QFETCH(int, tailsCost);
        // Several seeds, so that a two-way choice shows both its strikes.
        QSet<int> thrown;
        for (unsigned seed = Seed; seed < Seed + 12; ++seed) {
            MatchEngine &engine = aAttacks(patterned("Ann", "Lee", 11, "Tactician"),
                                           patterned("Bo", "Kim", 22, style));
            Entity_MatchFighter *striker = engine.getFighterA();
            Entity_MatchFighter *returner = engine.getFighterB();
            striker->setState(new ProbeStrike(striker, MatchMessage::Jab));
            auto *state = new State_Gen_ReturnDmg(returner);
            returner->setState(state);
            const int stamina = returner->getStamina();
            const QVector<int> d = drawsAfter(seed, 2);
            GameRandom::seed(seed);
            state->execute(returner);

            // The coin is only drawn by the styles that choose between two.
            const bool heads = headsStrike == tailsStrike || (d[1] % 20 + 1) % 2 == 1;
            QCOMPARE(striker->getActionValue(), w(70) / 10 + d[0] % 10 + 1);
            QCOMPARE(returner->getSituation(), heads ? headsStrike : tailsStrike);
            QCOMPARE(stamina - returner->getStamina(), (100 - w(heads ? headsCost : tailsCost)) / 10);
            QCOMPARE(engine.getAttacker(), striker);
            thrown << returner->getSituation();
        }
        QCOMPARE(thrown.size(), headsStrike == tailsStrike ? 1 : 2);
    }

};

QTEST_GUILESS_MAIN(TestEngineResults)
#include "tst_engine_results.moc"
