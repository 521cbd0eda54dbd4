#include <QtTest>

#include "core/AttackRing.h"
#include "match/attack/StateFactory.h"
#include "TestSupport.h"
#include "match/attack/RankedDraw.h"
#include "match/attack/State_Atk_ClinchAttack.h"
#include "match/attack/State_Atk_InAttack.h"
#include "match/attack/State_Atk_OutAttack.h"
#include "match/attack/StrikeState.h"
#include "records/GameRandom.h"

namespace {

// One range's choice as the rules give it: the announcement and situation,
// the strikes in option order with their summed elements and divisor
// element, the append order and the targets of the style bonus draws
// (-1: drawn, added nowhere).
struct Option { int code; int terms[3]; int divisor; };
struct Choice
{
    StateFactory make;
    int announce;
    QVector<Option> options;
    QVector<int> order;
    QVector<int> puncher, kicker;
};

const QVector<int> longOrder{3, 5, 2, 4, 1, 2, 5, 4, 3, 0, 5, 2, 4, 3, 1, 4, 3, 5, 5, 4, 5};
const QVector<int> closeOrder{3, 4, 2, 4, 1, 2, 3, 4, 5, 0, 4, 2, 5, 3, 1, 5, 4, 5, 3, 5, 5};

const Choice &choice(int range)
{
    static const Choice choices[] = {
        {makeState<State_Atk_OutAttack>, 6,
         {{9, {4, 5, 6}, 65}, {11, {10, 11, 12}, 70}, {13, {16, 17, 18}, 68},
          {14, {19, 20, 21}, 73}, {15, {22, 23, 24}, 68}, {16, {25, 26, 27}, 68}},
         longOrder, {0, 1}, {2, 3, 4, 5}},
        {makeState<State_Atk_InAttack>, 7,
         {{10, {7, 8, 9}, 65}, {11, {10, 11, 12}, 70}, {12, {13, 14, 15}, 65},
          {13, {16, 17, 18}, 68}, {17, {28, 29, 30}, 73}, {20, {37, 38, 39}, 70}},
         closeOrder, {0, 1, 2}, {3, 4}},
        {makeState<State_Atk_ClinchAttack>, 8,
         {{10, {7, 8, 9}, 65}, {12, {13, 14, 15}, 65}, {17, {28, 29, 30}, 73},
          {18, {31, 32, 33}, 54}, {19, {34, 35, 36}, 72}, {20, {37, 38, 39}, 70}},
         closeOrder, {0, 1, 5}, {-1, 2}},
    };
    return choices[range];
}

int spread(int i) { return (i * 53 + 7) % 100; }

// The choice replayed from a seed: the strike code and the line number.
QPair<int, int> replay(unsigned seed, const Choice &c, const QString &style,
                       const std::function<int(int)> &A)
{
    GameRandom::seed(seed);
    GameRandom::roll(50);
    QVector<int> scores;
    for (const Option &o : c.options) {
        const int sum = A(o.terms[0]) + A(o.terms[1]) + A(o.terms[2]) + 3 * (GameRandom::roll(50) + 1);
        const int divisor = (100 - A(o.divisor)) / 10 + 1;
        scores << sum / (divisor == 0 ? 1 : divisor);
    }
    const QVector<int> plan = style == "Puncher" ? c.puncher : style == "Kicker" ? c.kicker : QVector<int>{-1};
    for (int target : plan) {
        const int bonus = (GameRandom::roll(100) + 1) / 20;
        if (target >= 0)
            scores[target] += bonus;
    }
    const int position = GameRandom::roll(c.order.size());
    const int option = rankedChoiceAt(scores, c.order, position).option;
    return {c.options[option].code, (GameRandom::roll(100) + 1) % 5};
}

} // namespace

class TestAttackChoice : public QObject
{
    Q_OBJECT

private slots:
    void announcesTheAttack_data()
    {
        QTest::addColumn<int>("range");
        QTest::addRow("long range") << 0;
        QTest::addRow("pocket") << 1;
        QTest::addRow("clinch") << 2;
    }

    void announcesTheAttack()
    {
        QFETCH(int, range);
        DeterministicRandom fixture;
        AttackRing ring(ringFighter("Stone", "Brawler", spread));
        ring.attacker->changeState(choice(range).make(ring.attacker));
        QCOMPARE(ProbeDefender::messages(), QVector<int>{choice(range).announce});
        // Messages and values that reach it are ignored.
        ring.attacker->handleMessage(3);
        ring.attacker->handleValue(9, 40);
        QCOMPARE(ring.attacker->getActionValue(), 0);
        QCOMPARE(ProbeDefender::log().size(), 1);
    }

    void choosesAStrike_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("style");
        const char *styles[] = {"Puncher", "Kicker", "Clincher", "Boxer"};
        const char *ranges[] = {"long range", "pocket", "clinch"};
        for (int range = 0; range < 3; ++range)
            for (const char *style : styles)
                QTest::addRow("%s, %s", ranges[range], style) << range << QString(style);
    }

    // The strike, the line number and the count of draws, seed by seed,
    // against the rules; every strike of the range turns up and no other.
    void choosesAStrike()
    {
        QFETCH(int, range);
        QFETCH(QString, style);
        const Choice &c = choice(range);
        DeterministicRandom fixture;
        QSet<int> seen;
        for (unsigned seed = 1; seed <= 300; ++seed) {
            AttackRing ring(ringFighter("Stone", style, spread));
            ring.place(c.make(ring.attacker));
            ring.attacker->setSituation(1);
            GameRandom::seed(seed);
            ring.attacker->update();
            const int after = GameRandom::draw();
            const QPair<int, int> expected = replay(seed, c, style, spread);
            QCOMPARE(GameRandom::draw(), after); // replay ends where execute ended
            GameRandom::seed(seed);

            QCOMPARE(ProbeDefender::messages(), QVector<int>{expected.first});
            QVERIFY(ring.attackerIs<StrikeState>());
            QCOMPARE(static_cast<StrikeState *>(ring.attacker->getState())->strikeCode(), expected.first);
            QCOMPARE(ring.attacker->getSituation(), c.announce);
            QVERIFY(!ring.attacker->getCommentary().isEmpty());
            QVERIFY(ring.paragraphs.isEmpty());
            seen.insert(expected.first);
        }
        QSet<int> codes;
        for (const Option &o : c.options)
            codes.insert(o.code);
        QCOMPARE(seen, codes);
    }

    void writesTheLine_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("strike");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addRow("long Jab 0") << 0 << 9 << 0 << "Stone whips out a quick jab. ";
        QTest::addRow("long HighKick 2") << 0 << 15 << 2 << "Whoa! A ferocious high kick, courtesy of Ray Stone! ";
        QTest::addRow("long HighKick 3") << 0 << 15 << 3 << "Stone unleashes a vicious high kick!. ";
        QTest::addRow("long FrontKick 4") << 0 << 16 << 4 << "Stone flicks his foot out with a front kick to the body. ";
        QTest::addRow("pocket Hook 2") << 1 << 10 << 2 << "Ray Stone fakes a jab, then throws an vicious right hook! ";
        QTest::addRow("pocket Cross 1") << 1 << 11 << 1 << "Ray Stone unleashes a sudden right cross! He's looking to finish this quickly! ";
        QTest::addRow("pocket Knee 4") << 1 << 17 << 4 << "Wow! It looks as if Ray Stone is trying to end this soon, as he throws a ferocious knee in close range! ";
        QTest::addRow("pocket BodyPunch 0") << 1 << 20 << 0 << "Stone throws a punch to the gut. ";
        QTest::addRow("clinch Hook 4") << 2 << 10 << 4 << "Ray Stone's clinch skills are on display here, as he manages to force an opening and throw a hook. ";
        QTest::addRow("clinch Knee 1") << 2 << 17 << 1 << "While the two fighters are tied up, Ray Stone unloads a devastating knee strike. ";
        QTest::addRow("clinch Knee 3") << 2 << 17 << 3 << "Stone shifts his weight and manages to pull his knee up to his opponent's midsecton! ";
        QTest::addRow("clinch Elbow 0") << 2 << 18 << 0 << "Ray Stone rotates his shoulder and comes down with a hard elbow! ";
        QTest::addRow("clinch DirtyBox 2") << 2 << 19 << 2 << "Stone is in control, as he uses his dirty boxing to cause damage. ";
        QTest::addRow("clinch BodyPunch 3") << 2 << 20 << 3 << "Using his clinch positioning, Ray Stone manages to make room to throw a body hook. ";
    }

    void writesTheLine()
    {
        QFETCH(int, range);
        QFETCH(int, strike);
        QFETCH(int, line);
        QFETCH(QString, text);
        const Choice &c = choice(range);
        const auto A = [](int) { return 50; };
        DeterministicRandom fixture;
        unsigned seed = 1;
        while (seed < 5000 && replay(seed, c, "Tactician", A) != qMakePair(strike, line))
            ++seed;
        QVERIFY(seed < 5000);
        AttackRing ring(ringFighter("Stone", "Tactician", A));
        ring.place(c.make(ring.attacker));
        GameRandom::seed(seed);
        ring.attacker->update();
        QCOMPARE(ring.attacker->getCommentary(), text);
    }
};

QTEST_GUILESS_MAIN(TestAttackChoice)
#include "tst_attack_choice.moc"
