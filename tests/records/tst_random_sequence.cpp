#include <QtTest>

#include <climits>
#include <thread>

#include "records/GameRandom.h"

// The game steps its generator itself; every draw must still be the one
// qrand gives from the same seed, in the toolkit the game runs on.
class TestRandomSequence : public QObject
{
    Q_OBJECT

private:
    static constexpr int Draws = 1000000;

    // The first `count` draws of qrand after qsrand(seed), or unseeded.
    static QVector<int> qrandSequence(bool seeded, unsigned int seed, int count)
    {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QVector<int> draws(count);
        if (seeded)
            qsrand(seed);
        for (int &draw : draws)
            draw = qrand();
        QT_WARNING_POP
        return draws;
    }

    static QVector<int> gameSequence(bool seeded, unsigned int seed, int count)
    {
        QVector<int> draws(count);
        if (seeded)
            GameRandom::seed(seed);
        for (int &draw : draws)
            draw = GameRandom::draw();
        return draws;
    }

    // Each on a thread of its own, so that an unseeded start is one.
    template <class Sequence>
    static QVector<int> onFreshThread(Sequence sequence, bool seeded, unsigned int seed, int count)
    {
        QVector<int> draws;
        std::thread thread([&] { draws = sequence(seeded, seed, count); });
        thread.join();
        return draws;
    }

private slots:
    void drawsFollowQrand_data()
    {
        QTest::addColumn<bool>("seeded");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("count");
        QTest::addRow("unseeded start") << false << 0u << Draws;
        QTest::addRow("seed 0") << true << 0u << 1000;
        QTest::addRow("seed 1") << true << 1u << 1000;
        QTest::addRow("seed 17") << true << 17u << Draws;
        QTest::addRow("day seed") << true << 523u << 1000;
        QTest::addRow("seed 987654321") << true << 987654321u << 1000;
        QTest::addRow("largest int") << true << uint(INT_MAX) << 1000;
        QTest::addRow("past the largest int") << true << uint(INT_MAX) + 1u << 1000;
        QTest::addRow("largest seed") << true << UINT_MAX << Draws;
    }

    void drawsFollowQrand()
    {
        QFETCH(bool, seeded);
        QFETCH(uint, seed);
        QFETCH(int, count);
        const QVector<int> expected = onFreshThread(qrandSequence, seeded, seed, count);
        const QVector<int> drawn = onFreshThread(gameSequence, seeded, seed, count);
        QCOMPARE(drawn.size(), count);
        for (int i = 0; i < count; ++i) {
            if (drawn[i] != expected[i])
                QFAIL(qPrintable(QString("draw %1: %2, qrand %3").arg(i).arg(drawn[i]).arg(expected[i])));
        }
    }

    // Reseeding in the middle of a sequence starts it over, as qsrand does.
    void reseedingStartsOver()
    {
        const QVector<int> fresh = onFreshThread(gameSequence, true, 42u, 50);
        const QVector<int> again = onFreshThread([](bool, unsigned int seed, int count) {
            gameSequence(true, 7u, 333);
            return gameSequence(true, seed, count);
        }, true, 42u, 50);
        QCOMPARE(again, fresh);
        QCOMPARE(again, onFreshThread(qrandSequence, true, 42u, 50));
    }
};

QTEST_GUILESS_MAIN(TestRandomSequence)
#include "tst_random_sequence.moc"
