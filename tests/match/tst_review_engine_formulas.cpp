#include <QtTest>

#include <QSet>
#include <algorithm>

#include "EngineTestKit.h"
#include "match/MatchMessage.h"
#include "match/State_Gen_CounterAtk.h"
#include "match/State_Gen_CounterDmg.h"
#include "match/State_Gen_FullDmg.h"
#include "match/State_Gen_ReturnDmg.h"

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

class TestReviewEngineFormulas : public QObject
{
    Q_OBJECT

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

QTEST_GUILESS_MAIN(TestReviewEngineFormulas)
#include "tst_review_engine_formulas.moc"
