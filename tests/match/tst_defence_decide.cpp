// The defence decision: which reactions can follow each strike code, and
// what the Tactician's and the Brawler's bonuses do to the choice.
#include <QSet>
#include <QtTest>
#include <typeinfo>

#include "core/BoutDriver.h"
#include "core/DefenceRing.h"
#include "match/Entity_MatchFighter.h"
#include "match/defence/State_Def_BlockClinch.h"
#include "match/defence/State_Def_BlockHighKick.h"
#include "match/defence/State_Def_BlockHighPunch.h"
#include "match/defence/State_Def_BlockLow.h"
#include "match/defence/State_Def_BlockMid.h"
#include "match/defence/State_Def_CounterHigh.h"
#include "match/defence/State_Def_CounterMid.h"
#include "match/defence/State_Def_DefendDecide.h"
#include "match/defence/State_Def_DodgeClinch.h"
#include "match/defence/State_Def_DodgeHigh.h"
#include "match/defence/State_Def_DodgeLow.h"
#include "match/defence/State_Def_DodgeMid.h"
#include "match/defence/State_Def_ReturnAttack.h"
#include "records/GameRandom.h"

namespace {

using Names = QSet<QString>;

template <class... States>
Names namesOf()
{
    return Names{stateName<States>()...};
}

const Fighter attackerRecord = BoutDriver::makeFighter("Kim", "Brawler", 50);

// The state the decision installs for one seed.
QString decide(const Fighter &defender, int code, unsigned seed)
{
    DefenceRing ring(attackerRecord, defender);
    ring.install(new State_Def_DefendDecide(ring.defender()));
    GameRandom::seed(seed);
    ring.defender()->handleMessage(code);
    if (ring.defender()->getActionValue() != code)
        return "the code was not kept";
    return stateName(ring.defenderState());
}

} // namespace

class tst_defence_decide : public QObject
{
    Q_OBJECT

private slots:
    void reactionSets_data();
    void reactionSets();
    void unknownStyleGetsNoBonus();
    void styleBonusRaisesItsOption_data();
    void styleBonusRaisesItsOption();
};

void tst_defence_decide::reactionSets_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Names>("expected");
    const Names highPunch = namesOf<State_Def_BlockHighPunch, State_Def_CounterHigh,
                                    State_Def_DodgeHigh, State_Def_ReturnAttack>();
    const Names body = namesOf<State_Def_BlockMid, State_Def_CounterMid, State_Def_DodgeMid,
                               State_Def_ReturnAttack>();
    const Names other = namesOf<State_Def_BlockLow, State_Def_CounterMid, State_Def_DodgeLow,
                                State_Def_ReturnAttack>();
    QTest::addRow("jab") << 9 << highPunch;
    QTest::addRow("hook") << 10 << highPunch;
    QTest::addRow("cross") << 11 << highPunch;
    QTest::addRow("uppercut") << 12 << highPunch;
    QTest::addRow("low kick: a counter is a check")
        << 13 << namesOf<State_Def_BlockLow, State_Def_DodgeLow, State_Def_ReturnAttack>();
    QTest::addRow("mid kick") << 14 << body;
    QTest::addRow("high kick") << 15
                               << namesOf<State_Def_BlockHighKick, State_Def_CounterHigh,
                                          State_Def_DodgeHigh, State_Def_ReturnAttack>();
    QTest::addRow("front kick") << 16 << body;
    QTest::addRow("knee") << 17 << body;
    QTest::addRow("elbow: counter high")
        << 18 << namesOf<State_Def_BlockClinch, State_Def_CounterHigh, State_Def_DodgeClinch,
                         State_Def_ReturnAttack>();
    QTest::addRow("dirty boxing: counter mid")
        << 19 << namesOf<State_Def_BlockClinch, State_Def_CounterMid, State_Def_DodgeClinch,
                         State_Def_ReturnAttack>();
    QTest::addRow("body punch") << 20 << body;
    QTest::addRow("code 0") << 0 << other;
    QTest::addRow("code 8") << 8 << other;
    QTest::addRow("code 21") << 21 << other;
    QTest::addRow("code -5") << -5 << other;
}

// Over enough seeds every option comes up once; the set of reactions seen
// is the strike code's row.
void tst_defence_decide::reactionSets()
{
    QFETCH(int, code);
    QFETCH(Names, expected);
    const Fighter defender = BoutDriver::makeFighter("Lee", "Outfighter", 50);
    Names seen;
    for (unsigned seed = 1; seed <= 200; ++seed)
        seen.insert(decide(defender, code, seed));
    QCOMPARE(seen, expected);
}

// No bonus means no bonus roll: a style outside the list decides exactly as
// a style without a bonus, seed for seed.
void tst_defence_decide::unknownStyleGetsNoBonus()
{
    const Fighter plain = BoutDriver::makeFighter("Lee", "Kicker", 50);
    const Fighter unknown = BoutDriver::makeFighter("Lee", "Wrestler", 50);
    const Fighter tactician = BoutDriver::makeFighter("Lee", "Tactician", 50);
    int differs = 0;
    for (unsigned seed = 1; seed <= 100; ++seed) {
        QCOMPARE(decide(unknown, 11, seed), decide(plain, 11, seed));
        differs += decide(tactician, 11, seed) != decide(plain, 11, seed);
    }
    QVERIFY(differs > 0);
}

void tst_defence_decide::styleBonusRaisesItsOption_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("option");
    QTest::addRow("Tactician counters more") << "Tactician" << stateName<State_Def_CounterHigh>();
    QTest::addRow("Brawler returns fire more") << "Brawler" << stateName<State_Def_ReturnAttack>();
}

void tst_defence_decide::styleBonusRaisesItsOption()
{
    QFETCH(QString, style);
    QFETCH(QString, option);
    const Fighter plain = BoutDriver::makeFighter("Lee", "Puncher", 50);
    const Fighter styled = BoutDriver::makeFighter("Lee", style, 50);
    int plainCount = 0;
    int styledCount = 0;
    for (unsigned seed = 1; seed <= 600; ++seed) {
        plainCount += decide(plain, 10, seed) == option;
        styledCount += decide(styled, 10, seed) == option;
    }
    QVERIFY2(styledCount > plainCount + plainCount / 5,
             qPrintable(QString("%1 against %2").arg(styledCount).arg(plainCount)));
}

QTEST_GUILESS_MAIN(tst_defence_decide)
#include "tst_defence_decide.moc"
