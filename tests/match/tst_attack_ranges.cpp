#include <QtTest>

#include "core/AttackRing.h"
#include "match/attack/StateFactory.h"
#include "TestSupport.h"
#include "match/FightMath.h"
#include "match/attack/AttackerRangeState.h"
#include "match/attack/AttackerRangeTable.h"
#include "match/attack/RankedDraw.h"
#include "match/attack/State_Atk_Clinch.h"
#include "match/attack/State_Atk_In.h"
#include "match/attack/State_Atk_Out.h"
#include "records/GameRandom.h"

namespace {

enum Range { Out, In, Clinch };
StateFactory makeRange(int range)
{
    const StateFactory makers[] = {makeState<State_Atk_Out>, makeState<State_Atk_In>, makeState<State_Atk_Clinch>};
    return makers[range];
}
const RangeDescription &description(int range)
{
    return range == Out ? AttackerRangeTable::out()
                        : range == In ? AttackerRangeTable::in() : AttackerRangeTable::clinch();
}
const int rangeCode[] = {1, 0, 2};

int identity(int i) { return i; }

// What the fighter's step would draw and choose, replayed from a seed.
struct Step { int option; int value; };
Step replayStep(unsigned seed, int range, const QString &style, int mindset, int fatigue,
                const QVector<int> &attributes)
{
    const RangeDescription &d = description(range);
    const RangeStyle &s = d.styleFor(FightMath::styleIndex(style));
    GameRandom::seed(seed);
    const AttackerRangeState::Rolls rolls = AttackerRangeState::drawRolls(d, s, mindset);
    const Scores scores = AttackerRangeState::scoreMoves(s, attributes, mindset, fatigue, rolls);
    const RankedChoice choice = rankedDraw(scores, d.appendOrder);
    return {choice.option, scores[choice.option]};
}

QVector<int> vectorOf(const std::function<int(int)> &A)
{
    QVector<int> v(95, 0);
    for (int i = 4; i < 87; ++i)
        v[i] = A(i);
    return v;
}

} // namespace

class TestAttackRanges : public QObject
{
    Q_OBJECT

private slots:
    // Element i = i, rolls r0..r6 = 1..7, mindset roll 7, its R(10) 3,
    // fatigue roll 20: every score worked out by hand from the rules.
    void scoresTheMoves_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("mindset");
        QTest::addColumn<int>("fatigue");
        QTest::addColumn<QVector<int>>("splits");
        QTest::addColumn<QVector<int>>("scores");
        const QVector<int> one2{1, 1};
        QTest::addRow("out, Outfighter") << int(Out) << "Outfighter" << 0 << 1 << one2 << QVector<int>{12, 76};
        QTest::addRow("out, Outfighter fighting outside") << int(Out) << "Outfighter" << 9 << 1 << one2 << QVector<int>{12, 86};
        QTest::addRow("out, Outfighter dazed") << int(Out) << "Outfighter" << 5 << 1 << one2 << QVector<int>{12, 69};
        QTest::addRow("out, Outfighter fresh") << int(Out) << "Outfighter" << 0 << 0 << one2 << QVector<int>{12, 96};
        QTest::addRow("out, Infighter covering up") << int(Out) << "Infighter" << 2 << 1 << one2 << QVector<int>{141, 12};
        QTest::addRow("out, Clincher tired") << int(Out) << "Clincher" << 0 << 4 << one2 << QVector<int>{128, 12};
        QTest::addRow("out, Brawler fighting inside") << int(Out) << "Brawler" << 10 << 5 << one2 << QVector<int>{155, 143};
        QTest::addRow("out, unknown style, split") << int(Out) << "Boxer" << 0 << 0 << QVector<int>{2, 3} << QVector<int>{74, 47};
        QTest::addRow("clinch, Infighter") << int(Clinch) << "Infighter" << 0 << 1 << one2 << QVector<int>{74, 12};
        QTest::addRow("clinch, Outfighter caught off guard") << int(Clinch) << "Outfighter" << 6 << 1 << one2 << QVector<int>{74, 19};
        QTest::addRow("clinch, Outfighter clinching, spent") << int(Clinch) << "Outfighter" << 11 << 5 << one2 << QVector<int>{54, 22};
        QTest::addRow("clinch, Clincher covering up") << int(Clinch) << "Clincher" << 2 << 1 << one2 << QVector<int>{14, 95};
        QTest::addRow("clinch, Clincher aggressive") << int(Clinch) << "Clincher" << 7 << 1 << one2 << QVector<int>{14, 109};
        QTest::addRow("clinch, Clincher fighting outside, tired") << int(Clinch) << "Clincher" << 9 << 4 << one2 << QVector<int>{44, 102};
        QTest::addRow("clinch, Kicker clinching") << int(Clinch) << "Kicker" << 11 << 5 << one2 << QVector<int>{74, 152};
        QTest::addRow("in, Outfighter caught off guard, spent") << int(In) << "Outfighter" << 6 << 5 << QVector<int>{} << QVector<int>{80, 21, 11};
        QTest::addRow("in, Infighter aggressive, fresh") << int(In) << "Infighter" << 7 << 0 << QVector<int>{} << QVector<int>{11, 16, 192};
        QTest::addRow("in, Infighter fighting outside") << int(In) << "Infighter" << 9 << 2 << QVector<int>{} << QVector<int>{21, 16, 165};
        QTest::addRow("in, Clincher aggressive, tired") << int(In) << "Clincher" << 7 << 4 << QVector<int>{} << QVector<int>{38, 65, 14};
        QTest::addRow("in, Clincher spent") << int(In) << "Clincher" << 0 << 5 << QVector<int>{} << QVector<int>{18, 38, 14};
        QTest::addRow("in, Tactician fighting inside, spent") << int(In) << "Tactician" << 10 << 5 << QVector<int>{} << QVector<int>{36, 59, 70};
        QTest::addRow("in, Puncher fighting outside") << int(In) << "Puncher" << 9 << 1 << QVector<int>{} << QVector<int>{43, 59, 60};
    }

    void scoresTheMoves()
    {
        QFETCH(int, range);
        QFETCH(QString, style);
        QFETCH(int, mindset);
        QFETCH(int, fatigue);
        QFETCH(QVector<int>, splits);
        QFETCH(QVector<int>, scores);
        AttackerRangeState::Rolls rolls;
        rolls.moves = {1, 2, 3, 4, 5, 6, 7};
        rolls.mindset = 7;
        rolls.extra = 3;
        rolls.fatigue = 20;
        rolls.splits = Scores(splits.cbegin(), splits.cend());
        const RangeStyle &s = description(range).styleFor(FightMath::styleIndex(style));
        const Scores scored = AttackerRangeState::scoreMoves(s, vectorOf(identity), mindset, fatigue, rolls);
        QCOMPARE(QVector<int>(scored.cbegin(), scored.cend()), scores);
    }

    // How many numbers one step draws: the move rolls, the mindset roll and
    // its R(10), the fatigue roll, the splits, the draw, a hurt fighter's
    // calm-down roll and the line.
    void drawsInOrder_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("mindset");
        QTest::addColumn<int>("draws");
        QTest::addRow("out, Outfighter") << int(Out) << "Outfighter" << 0 << 3 + 1 + 1 + 2 + 2;
        QTest::addRow("out, Outfighter fighting inside") << int(Out) << "Outfighter" << 10 << 3 + 2 + 1 + 2 + 2;
        QTest::addRow("out, Brawler dazed") << int(Out) << "Brawler" << 5 << 4 + 1 + 0 + 2 + 1 + 3 + 1;
        QTest::addRow("clinch, Infighter clinching") << int(Clinch) << "Infighter" << 11 << 4 + 2 + 1 + 2 + 2;
        QTest::addRow("clinch, Clincher caught off guard") << int(Clinch) << "Clincher" << 6 << 4 + 1 + 1 + 2 + 1 + 3 + 1;
        QTest::addRow("in, Outfighter") << int(In) << "Outfighter" << 1 << 7 + 1 + 1 + 2;
        QTest::addRow("in, Kicker clinching") << int(In) << "Kicker" << 11 << 7 + 2 + 0 + 2;
        QTest::addRow("in, unknown style, dazed") << int(In) << "Boxer" << 5 << 7 + 1 + 1 + 3 + 1;
    }

    void drawsInOrder()
    {
        QFETCH(int, range);
        QFETCH(QString, style);
        QFETCH(int, mindset);
        QFETCH(int, draws);
        DeterministicRandom fixture;
        for (unsigned seed = 1; seed <= 60; ++seed) {
            AttackRing ring(ringFighter("Stone", style, [](int i) { return (i * 29) % 100; }));
            ring.place(makeRange(range)(ring.attacker));
            ring.attacker->setMindset(mindset);
            const int fatigue = ring.attacker->getFatigueLevel();
            ring.attacker->appendCommentary("Earlier. ");
            GameRandom::seed(seed);
            ring.attacker->update();
            const int next = GameRandom::draw();

            GameRandom::seed(seed);
            for (int i = 0; i < draws; ++i)
                GameRandom::draw();
            QCOMPARE(GameRandom::draw(), next);

            const Step expected = replayStep(seed, range, style, mindset, fatigue,
                                             vectorOf([](int i) { return (i * 29) % 100; }));
            QCOMPARE(ring.attacker->getSituation(), rangeCode[range]);
            QCOMPARE(ring.attacker->getActionValue(), expected.value);
            // The move's state announces itself at once.
            QCOMPARE(ProbeDefender::messages().size(), 1);
            QVERIFY(ring.attacker->getState());
            // The whole commentary went to the view, the range line last.
            QCOMPARE(ring.paragraphs.size(), 1);
            QVERIFY(ring.paragraphs[0].startsWith("Earlier. "));
            QVERIFY(ring.paragraphs[0].contains("Stone"));
            QVERIFY(ring.attacker->getCommentary().isEmpty());
        }
    }

    void movesAndTellsIt_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("announced");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addRow("out to the pocket 0") << int(Out) << 0 << 0 << "Stone looks like he's trying to work his way in...";
        QTest::addRow("out attacking 4") << int(Out) << 6 << 4 << "Stone throws a quick fake...";
        QTest::addRow("in back out 1") << int(In) << 1 << 1 << "Stone backpedals a bit...";
        QTest::addRow("in to the clinch 4") << int(In) << 2 << 4 << "It appears Stone wants to close in and turn this into a clinching match! ";
        QTest::addRow("in attacking 4") << int(In) << 7 << 4 << "Seems like Stone is about to launch something nasty! ";
        QTest::addRow("in attacking 3") << int(In) << 7 << 3 << "Stone tees up! ";
        QTest::addRow("clinch leaving 2") << int(Clinch) << 0 << 2 << "Stone backs away from clinch range. ";
        QTest::addRow("clinch attacking 0") << int(Clinch) << 8 << 0 << "While they're tied up in the clinch, Stone lines him up! ";
        QTest::addRow("clinch attacking 2") << int(Clinch) << 8 << 2 << "Stone makes some sudden movements!. ";
    }

    void movesAndTellsIt()
    {
        QFETCH(int, range);
        QFETCH(int, announced);
        QFETCH(int, line);
        QFETCH(QString, text);
        DeterministicRandom fixture;
        bool found = false;
        for (unsigned seed = 1; seed <= 2000 && !found; ++seed) {
            AttackRing ring(ringFighter("Stone", "Brawler", [](int) { return 50; }));
            ring.place(makeRange(range)(ring.attacker));
            GameRandom::seed(seed);
            ring.attacker->update();
            GameRandom::seed(seed);
            // The line's draw is the last of the step.
            const int draws = range == In ? 7 + 1 + 1 : 4 + 1 + 2 + 1;
            for (int i = 0; i < draws; ++i)
                GameRandom::draw();
            const int k = (GameRandom::roll(100) + 1) % 5;
            if (ProbeDefender::messages() == QVector<int>{announced} && k == line) {
                QCOMPARE(ring.paragraphs, QStringList{text});
                found = true;
            }
        }
        QVERIFY(found);
    }

    void calmsDown_data()
    {
        QTest::addColumn<int>("mindset");
        QTest::addColumn<int>("composure");
        QTest::addColumn<int>("after");
        QTest::addRow("dazed, composed") << 5 << 99 << 0;
        QTest::addRow("caught off guard, composed") << 6 << 99 << 0;
        QTest::addRow("dazed, no composure") << 5 << 0 << 5;
        QTest::addRow("aggressive is left alone") << 7 << 99 << 7;
    }

    void calmsDown()
    {
        QFETCH(int, mindset);
        QFETCH(int, composure);
        QFETCH(int, after);
        DeterministicRandom fixture;
        for (int range = Out; range <= Clinch; ++range) {
            AttackRing ring(ringFighter("Stone", "Brawler", [&](int i) {
                return i == 77 || i == 80 || i == 86 ? composure : 40;
            }));
            ring.place(makeRange(range)(ring.attacker));
            ring.attacker->setMindset(mindset);
            GameRandom::seed(3);
            ring.attacker->update();
            QCOMPARE(ring.attacker->getMindset(), after);
        }
    }

    void answersTheDefender_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("announced");
        QTest::addColumn<QStringList>("texts");
        QTest::addRow("out, drawn into the pocket") << int(Out) << 0 << 0
            << QStringList{"That seems to have disrupted Stone's plans a bit. ",
                           "Stone can't seem to stay away from him. ",
                           "Stone gets drawn back into the pocket. "};
        QTest::addRow("in, pushed out") << int(In) << 1 << 1
            << QStringList{"Stone gets pushed back out a bit. ",
                           "Stone isn't able to stay in the pocket, as he gets forced out by a hard counter. ",
                           "Stone eats a stiff counterattack trying to wade in close! "};
        QTest::addRow("in, forced into the clinch") << int(In) << 2 << 2
            << QStringList{"Stone can't break out of the clinch! ",
                           "Stone is forced back into the clinch. ",
                           "Stone appears firmly stuck in the clinch, and can't seem to escape. "};
        QTest::addRow("clinch, pushed out") << int(Clinch) << 0 << 0
            << QStringList{"Stone gets pushed back out into the pocket. ",
                           "Stone isn't able to grab a hold. ",
                           "Stone faces some resistance trying to grab him! "};
        QTest::addRow("out ignores 1") << int(Out) << 1 << -1 << QStringList{};
        QTest::addRow("out ignores 2") << int(Out) << 2 << -1 << QStringList{};
        QTest::addRow("in ignores 0") << int(In) << 0 << -1 << QStringList{};
        QTest::addRow("clinch ignores 2") << int(Clinch) << 2 << -1 << QStringList{};
        QTest::addRow("clinch ignores 1") << int(Clinch) << 1 << -1 << QStringList{};
    }

    void answersTheDefender()
    {
        QFETCH(int, range);
        QFETCH(int, code);
        QFETCH(int, announced);
        QFETCH(QStringList, texts);
        DeterministicRandom fixture;
        QSet<QString> seen;
        for (unsigned seed = 1; seed <= 30; ++seed) {
            AttackRing ring(ringFighter("Stone", "Brawler", [](int) { return 50; }));
            ring.place(makeRange(range)(ring.attacker));
            ring.attacker->setSituation(9);
            ring.attacker->setActionValue(33);
            GameRandom::seed(seed);
            ring.attacker->handleMessage(code);
            if (announced < 0) {
                QVERIFY(ProbeDefender::log().isEmpty());
                QVERIFY(ring.paragraphs.isEmpty());
                QVERIFY(ring.attacker->getCommentary().isEmpty());
                continue;
            }
            GameRandom::seed(seed);
            const int k = (GameRandom::roll(100) + 1) % 3;
            QCOMPARE(ring.paragraphs, QStringList{texts[k]});
            QCOMPARE(ProbeDefender::messages(), QVector<int>{announced});
            // Neither the situation nor the action value is touched.
            QCOMPARE(ring.attacker->getSituation(), 9);
            QCOMPARE(ring.attacker->getActionValue(), 33);
            seen.insert(texts[k]);
        }
        QCOMPARE(seen.size(), texts.size());
    }

    void announcesAndTakesStopStrikes_data()
    {
        QTest::addColumn<int>("range");
        QTest::addRow("out") << int(Out);
        QTest::addRow("in") << int(In);
        QTest::addRow("clinch") << int(Clinch);
    }

    void announcesAndTakesStopStrikes()
    {
        QFETCH(int, range);
        DeterministicRandom fixture;
        AttackRing ring(ringFighter("Stone", "Brawler", [](int) { return 50; }));
        ring.attacker->changeState(makeRange(range)(ring.attacker));
        QCOMPARE(ProbeDefender::messages(), QVector<int>{rangeCode[range]});

        ProbeDefender::reset();
        ring.attacker->setActionValue(41);
        ring.attacker->handleMessage(24);
        QCOMPARE(ProbeDefender::valuesWithCode(rangeCode[range]), QVector<int>{41});
        QCOMPARE(ProbeDefender::log().size(), 1);

        const int head = ring.attacker->getHeadHealth();
        ring.attacker->handleValue(23, 15);
        QCOMPARE(ring.attacker->getHeadHealth(), head);
        ring.attacker->handleValue(24, 15);
        QCOMPARE(ring.attacker->getHeadHealth(), head - 15);
        QVERIFY(ring.paragraphs.isEmpty());
        QVERIFY(dynamic_cast<AttackerRangeState *>(ring.attacker->getState()));
    }
};

QTEST_GUILESS_MAIN(TestAttackRanges)
#include "tst_attack_ranges.moc"
