#include <QtTest>

#include "match/attack/RankedDraw.h"
#include "records/GameRandom.h"
#include "TestSupport.h"

namespace {

// The append orders the fight states use, by number of options.
const QVector<int> longRangeStrikes{3, 5, 2, 4, 1, 2, 5, 4, 3, 0, 5, 2, 4, 3, 1, 4, 3, 5, 5, 4, 5};
const QVector<int> closeStrikes{3, 4, 2, 4, 1, 2, 3, 4, 5, 0, 4, 2, 5, 3, 1, 5, 4, 5, 3, 5, 5};
const QVector<int> twoWayMove{1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 0};
const QVector<int> threeWayMove{2, 1, 0, 2, 1, 2, 2, 1, 0, 2, 1, 2, 2, 1, 0, 2, 1, 2};
const QVector<int> defenceOrder{2, 3, 1, 2, 0, 3, 3, 1, 3, 2, 3, 1, 3, 2, 3};

// How many positions of the vector each option should win, worked out
// from ranks alone: an option whose score stands above L others and ties
// with E (itself included) owns ranks L .. L+E-1 when it is the first of
// its tie, and nothing otherwise.
QVector<int> expectedWins(const QVector<int> &scores, const QVector<int> &order)
{
    QVector<int> weight(scores.size(), 0);
    for (int rank : order)
        ++weight[rank];
    QVector<int> wins(scores.size(), 0);
    for (int o = 0; o < scores.size(); ++o) {
        if (scores.indexOf(scores[o]) != o)
            continue;
        int below = 0, equal = 0;
        for (int s : scores) {
            below += s < scores[o];
            equal += s == scores[o];
        }
        for (int r = below; r < below + equal; ++r)
            wins[o] += weight[r];
    }
    return wins;
}

// Calls f for every tuple of k scores taken from values.
template <typename F>
void forEveryTuple(int k, const QVector<int> &values, F f)
{
    QVector<int> index(k, 0);
    while (true) {
        QVector<int> scores(k);
        for (int i = 0; i < k; ++i)
            scores[i] = values[index[i]];
        f(scores);
        int i = 0;
        while (i < k && ++index[i] == values.size())
            index[i++] = 0;
        if (i == k)
            return;
    }
}

} // namespace

class TestAttackRankedDraw : public QObject
{
    Q_OBJECT

private slots:
    void everyPositionMatchesRanks_data()
    {
        QTest::addColumn<QVector<int>>("order");
        QTest::addColumn<int>("options");
        QTest::addColumn<QVector<int>>("values");
        QTest::addRow("long-range strikes") << longRangeStrikes << 6 << QVector<int>{-1, 0, 2};
        QTest::addRow("pocket and clinch strikes") << closeStrikes << 6 << QVector<int>{-3, 0, 1};
        QTest::addRow("two-way move") << twoWayMove << 2 << QVector<int>{-5, -1, 0, 7};
        QTest::addRow("three-way move") << threeWayMove << 3 << QVector<int>{-2, -1, 0, 1, 4};
        QTest::addRow("defence") << defenceOrder << 4 << QVector<int>{-100, 0, 3, 2147483647};
    }

    // Exhaustive over small score sets: ties, negative scores and the
    // extremes of the signed range.
    void everyPositionMatchesRanks()
    {
        QFETCH(QVector<int>, order);
        QFETCH(int, options);
        QFETCH(QVector<int>, values);
        int tuples = 0;
        forEveryTuple(options, values, [&](const QVector<int> &scores) {
            const QVector<int> entries = rankedDrawVector(scores, order);
            QCOMPARE(entries.size(), order.size());
            QVector<int> wins(options, 0);
            for (int p = 0; p < order.size(); ++p) {
                const RankedChoice choice = rankedChoiceAt(scores, order, p);
                QCOMPARE(choice.position, p);
                QVERIFY(choice.option >= 0 && choice.option < options);
                QCOMPARE(scores[choice.option], entries[p]);
                ++wins[choice.option];
            }
            QCOMPARE(wins, expectedWins(scores, order));
            ++tuples;
        });
        QVERIFY(tuples > 0);
    }

    void weightsOfDistinctScores_data()
    {
        QTest::addColumn<QVector<int>>("order");
        QTest::addColumn<QVector<int>>("scores");
        QTest::addColumn<QVector<int>>("wins");
        QTest::addRow("long range, highest 6 of 21, lowest 1")
            << longRangeStrikes << QVector<int>{40, 10, 60, 30, 50, 20} << QVector<int>{4, 1, 6, 3, 5, 2};
        QTest::addRow("clinch, Elbow and DirtyBox tied on top")
            << closeStrikes << QVector<int>{1, 2, 3, 9, 9, 4} << QVector<int>{1, 2, 3, 11, 0, 4};
        QTest::addRow("long range, HighKick and FrontKick tied on top")
            << longRangeStrikes << QVector<int>{5, 4, 3, 2, 8, 8} << QVector<int>{4, 3, 2, 1, 11, 0};
        QTest::addRow("two-way, higher wins 8 of 12") << twoWayMove << QVector<int>{-3, -9} << QVector<int>{8, 4};
        QTest::addRow("two-way tie goes to the first") << twoWayMove << QVector<int>{5, 5} << QVector<int>{12, 0};
        QTest::addRow("three-way all equal") << threeWayMove << QVector<int>{0, 0, 0} << QVector<int>{18, 0, 0};
        QTest::addRow("three-way out ties attack") << threeWayMove << QVector<int>{7, 1, 7} << QVector<int>{15, 3, 0};
        QTest::addRow("defence weights 1, 3, 4, 7") << defenceOrder << QVector<int>{4, 3, 2, 1} << QVector<int>{7, 4, 3, 1};
    }

    void weightsOfDistinctScores()
    {
        QFETCH(QVector<int>, order);
        QFETCH(QVector<int>, scores);
        QFETCH(QVector<int>, wins);
        QVector<int> counted(scores.size(), 0);
        for (int p = 0; p < order.size(); ++p)
            ++counted[rankedChoiceAt(scores, order, p).option];
        QCOMPARE(counted, wins);
    }

    // The draw is exactly one roll over the vector's size, so a caller's
    // sequence of draws stays as its rules describe.
    void drawTakesOneRollOfTheVectorSize()
    {
        DeterministicRandom fixture;
        const QVector<int> scores{12, -4, 30, 30, 0, 7};
        for (unsigned seed = 1; seed < 40; ++seed) {
            GameRandom::seed(seed);
            const int expectedPosition = GameRandom::roll(longRangeStrikes.size());
            const int following = GameRandom::draw();
            GameRandom::seed(seed);
            const RankedChoice choice = rankedDraw(scores, longRangeStrikes);
            QCOMPARE(choice.position, expectedPosition);
            QCOMPARE(choice.option, rankedChoiceAt(scores, longRangeStrikes, expectedPosition).option);
            QCOMPARE(GameRandom::draw(), following);
        }
    }

    void scoresAreNotChanged()
    {
        const QVector<int> scores{3, 1, 2};
        const QVector<int> copy = scores;
        rankedChoiceAt(scores, threeWayMove, 4);
        QCOMPARE(scores, copy);
    }
};

QTEST_GUILESS_MAIN(TestAttackRankedDraw)
#include "tst_attack_rankeddraw.moc"
