#include <QtTest>

#include "records/Fighter.h"
#include "records/GameRandom.h"
#include "records/Organization.h"
#include "TestSupport.h"
#include "core/RecordsFixtures.h"

using namespace RecordsFixtures;

// The random steps of the career changes, draw for draw: each is replayed
// from the same clock readings as the game's own sequence of reseeds and
// draws, so a draw taken out of order, with another range or one too many
// shows up as a different result.
class TestReviewDraws : public QObject
{
    Q_OBJECT

private:
    // The sixteen runs the attributes age in, by their last attribute.
    static QVector<int> agingRunEnds()
    {
        return {5, 11, 17, 23, 29, 35, 39, 43, 47, 51, 55, 60, 64, 70, 76, 82};
    }

    // Yearly change by the age before the birthday.
    static int yearlyChange(int age)
    {
        if (age >= 37)
            return -GameRandom::roll(3);
        if (age >= 35)
            return -GameRandom::roll(2);
        if (age >= 30)
            return GameRandom::roll(1);
        if (age >= 24)
            return GameRandom::roll(2);
        if (age >= 22)
            return GameRandom::roll(3);
        if (age >= 18)
            return GameRandom::roll(3) + 1;
        return GameRandom::roll(1);
    }

    static QVector<int> replayAging(int age, int start)
    {
        DeterministicRandom seam(start, start + 3);
        QVector<int> attributes(Fighter::AttributeCount, 50);
        GameRandom::reseedWithClock();
        int k = 0;
        for (int end : agingRunEnds()) {
            if (k > 0)
                GameRandom::reseedBurst(GameRandom::roll(20));
            for (; k <= end; ++k)
                attributes[k] += yearlyChange(age);
        }
        return attributes;
    }

    static QString labelOf(qint64 v, const QString &before)
    {
        if (v > 10500 && v <= 12000)
            return before;
        const QList<QPair<qint64, QString>> bands{
            {50, "Legendary"}, {1500, "World Class"}, {3000, "International Superstar"},
            {4500, "Championship Caliber"}, {6000, "Contender"}, {7500, "Respectable Opponent"},
            {9000, "Nationally Ranked"}, {10500, "Rising Star"}, {13500, "Local Fighter"}};
        for (const auto &band : bands) {
            if (v <= band.first)
                return band.second;
        }
        return "Unknown";
    }

    static QString replayReputation(int standing, const QString &before, int start)
    {
        DeterministicRandom seam(start, start + 5);
        GameRandom::reseedWithClock();
        GameRandom::reseedBurst(standing + GameRandom::roll(20));
        const int a = GameRandom::roll(50) + 1;
        GameRandom::reseedBurst(a + GameRandom::roll(20));
        const int sign = GameRandom::roll(45) % 2 == 1 ? -1 : 1;
        const int j = GameRandom::roll(21);
        return labelOf(qint64(standing) + j + sign * a, before);
    }

private slots:
    void agingFollowsTheRunsAndTheirReseeds_data()
    {
        QTest::addColumn<int>("age");
        QTest::addRow("19, rising") << 19;
        QTest::addRow("23, rising slowly") << 23;
        QTest::addRow("26, 0 or 1") << 26;
        QTest::addRow("36, falling") << 36;
        QTest::addRow("41, falling faster") << 41;
    }

    void agingFollowsTheRunsAndTheirReseeds()
    {
        QFETCH(int, age);
        for (int start = 0; start < 6; ++start) {
            const QVector<int> expected = replayAging(age, start * 53);
            DeterministicRandom seam(start * 53, start * 53 + 3);
            Fighter fighter;
            QVector<int> ints = fighterInts(50);
            ints[Fighter::AgeIndex] = age;
            fighter.setData(fighterTexts(), ints, QDate(), {}, {});
            fighter.ageOneYear();
            for (int k = 0; k < Fighter::AttributeCount; ++k)
                QCOMPARE(attribute(fighter, k), expected.at(k));
        }
    }

    // Standings where the noise decides between two neighbouring labels.
    void reputationRollDrawsInOrder_data()
    {
        QTest::addColumn<int>("standing");
        QTest::addColumn<bool>("mixed");
        QTest::addRow("standing 0") << 0 << true;
        QTest::addRow("edge of Legendary") << 40 << true;
        QTest::addRow("edge of World Class") << 1490 << true;
        QTest::addRow("edge of Contender") << 5990 << true;
        QTest::addRow("edge of the gap") << 10490 << true;
        QTest::addRow("edge of Local Fighter") << 11990 << true;
    }

    void reputationRollDrawsInOrder()
    {
        QFETCH(int, standing);
        QFETCH(bool, mixed);
        QSet<QString> seen;
        for (int start = 0; start < 40; ++start) {
            const QString expected = replayReputation(standing, "Before", start * 131);
            DeterministicRandom seam(start * 131, start * 131 + 5);
            Fighter fighter;
            QStringList texts = fighterTexts();
            texts[Fighter::ReputationText] = "Before";
            QVector<int> ints = fighterInts();
            ints[Fighter::StandingIndex] = standing;
            fighter.setData(texts, ints, QDate(), {}, {});
            fighter.rollReputationLabel();
            QCOMPARE(text(fighter, Fighter::ReputationText), expected);
            seen << expected;
        }
        // At an edge both neighbouring labels come up, so the comparison
        // can tell one order of draws from another.
        if (mixed)
            QVERIFY(seen.size() > 1);
    }

    // Renewal: reseed with the processor clock, draw r, then the fitting
    // test reseeds on its own; the new contract is r % 5 + 3 matches.
    void renewalDrawsTheMatchesBeforeTheFittingTest()
    {
        QSet<int> seen;
        for (int start = 0; start < 20; ++start) {
            int expected = 0;
            {
                DeterministicRandom seam(start * 41, 9);
                GameRandom::reseedWithClock();
                expected = GameRandom::draw() % 5 + 3;
            }
            Fighter fighter;
            fill(fighter);
            fighter.setContract("Apex", 2);
            Organization organization;
            organization.setData({"Apex", "", "", "", "Regional", "", "Willing"}, {}, {},
                                 {{fighter.getStanding(), fighter}}, {});
            DeterministicRandom seam(start * 41, 9);
            QStringList news;
            organization.renewContracts(news);
            Organization::Roster roster;
            organization.getRoster(roster);
            QCOMPARE(wholeNumber(roster.first(), Fighter::ContractMatchesIndex), expected);
            QCOMPARE(news, QStringList{"Ann Lee has renewed his contract with Apex"});
            seen << expected;
        }
        QVERIFY(seen.size() > 1);
    }
};

QTEST_GUILESS_MAIN(TestReviewDraws)
#include "tst_review_draws.moc"
