#include <QtTest>

#include "TestSupport.h"
#include "core/Career2Fixtures.h"
#include "core/WorldTestAccess.h"
#include "records/GameRandom.h"
#include "world/World.h"

using namespace Career2Fixtures;
using namespace WorldFixtures;

// The world's daily steps keep their random draws in a fixed order, range
// and count. Each test runs a step on the seam's counters and then replays
// the draws the step must make, from the same start: the outcome and the
// generator's next value must both agree.
class TestReviewCareer2Draws : public QObject
{
    Q_OBJECT

private:
    static const int Seeds = 150;

    static QDate today() { return QDate(2021, 5, 17); }

    // A day reseed of the given width: K = roll(width) reseeds, the last
    // one from the clock's milliseconds plus the day of the month.
    static void dayReseed(int width, int day)
    {
        GameRandom::reseedBurst(GameRandom::roll(width), day, false);
    }

    // One organization-side position; -1 when the draw would run past the
    // game's bound on redraws (those seeds are not compared).
    static int replayPosition(int rosterSize, const QVector<int> &remembered, int day)
    {
        dayReseed(20, day);
        for (int redraw = 0; redraw <= 8; ++redraw) {
            int p = GameRandom::roll(rosterSize);
            if (remembered.contains(p))
                p += 2;
            dayReseed(10, day);
            const int direction = GameRandom::roll(10);
            dayReseed(10, day);
            const int shift = GameRandom::roll(7);
            p += direction == 2 || direction == 3 ? shift : -shift;
            if (p >= 0 && p < rosterSize)
                return p;
        }
        return -1;
    }

    static int retirementDraw(int age, const int (&fromAges)[3])
    {
        if (age >= fromAges[2])
            return GameRandom::roll(20) + 5;
        if (age >= fromAges[1])
            return GameRandom::roll(15) + 1;
        if (age >= fromAges[0])
            return GameRandom::roll(10) + 1;
        return -1;
    }

    static QString birthdayLine(const Fighter &fighter, int age)
    {
        return fighter.getFullName() + " has turned " + QString::number(age) + " years old.";
    }

private slots:
    // An event nine days away: each attempt reseeds, draws the side, then
    // the position; failed positions are remembered; the first fighter
    // below the five best is booked and the step ends.
    void bookingPass()
    {
        int compared = 0;
        for (int seed = 0; seed < Seeds; ++seed) {
            World &world = WorldTestAccess::freshWorld();
            WorldTestAccess::setDate(today());
            WorldTestAccess::addOrganization(organization("O1", "National", {
                Career2Fixtures::event("O1 Event", "O1", today().addDays(9), open(MatchType::Single, 4))},
                members(20, 3000, "O1")));
            QStringList news;
            int nextAfterPass = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                news = world.bookEvents();
                nextAfterPass = GameRandom::draw();
            }

            QString expected;
            bool comparable = true;
            int nextAfterReplay = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                GameRandom::reseedWithClock();
                QVector<int> remembered;
                for (int counter = 10; counter >= 0 && comparable; --counter) {
                    GameRandom::reseedWithClock();
                    GameRandom::draw();
                    const int p = replayPosition(20, remembered, today().day());
                    comparable = p >= 0;
                    if (p > 4) {
                        const QString name = "F" + QString::number(3000 + p) + " L" + QString::number(3000 + p);
                        expected = "Booked " + name + " for a Single Match at O1 Event";
                        break;
                    }
                    remembered << p;
                }
                nextAfterReplay = GameRandom::draw();
            }
            if (!comparable)
                continue;
            ++compared;
            QCOMPARE(news.value(0), expected);
            QCOMPARE(nextAfterPass, nextAfterReplay);
        }
        QVERIFY(compared > Seeds / 2);
    }

    // The organizations' fighters draw after a clock reseed, by their age
    // band; the free agents continue the sequence without a reseed of
    // their own; a birthday that is applied draws its yearly changes.
    void agingAndRetirements()
    {
        const QDate birthday(1980, 5, 17), otherDay(1980, 2, 3);
        const QVector<QPair<int, QDate>> members{{30, birthday}, {43, otherDay}, {47, birthday},
                                                 {55, otherDay}, {39, birthday}, {52, birthday}};
        const QVector<QPair<int, QDate>> agents{{30, birthday}, {39, otherDay}, {44, birthday},
                                                {50, otherDay}, {37, birthday}};
        const int organizationBands[3] = {41, 46, 51};
        const int freeAgentBands[3] = {38, 43, 46};
        for (int seed = 0; seed < Seeds; ++seed) {
            World &world = WorldTestAccess::freshWorld();
            WorldTestAccess::setDate(today());
            QVector<Fighter> roster;
            for (int i = 0; i < members.size(); ++i)
                roster << pro(4000 + i, "L" + QString::number(i), 10 * (i + 1), "O1", "Unknown", 40,
                              members[i].first, members[i].second);
            WorldTestAccess::addOrganization(organization("O1", "National", {
                Career2Fixtures::event("O1 Event", "O1", today().addDays(9), open(MatchType::Single, 4))}, roster));
            QVector<Fighter> pool;
            for (int i = 0; i < agents.size(); ++i) {
                pool << pro(5000 + i, "P" + QString::number(i), 10 * (i + 1), "Free Agent", "Unknown", 40,
                            agents[i].first, agents[i].second);
                WorldTestAccess::addFreeAgent(pool.last());
            }
            // Enough young free agents that no new one is made.
            for (int i = 0; i < 20; ++i)
                WorldTestAccess::addFreeAgent(pro(6000 + i, "Q" + QString::number(i), 1000 + i, "Free Agent",
                                                  "Unknown", 40, 24, otherDay));
            QStringList news;
            int nextAfterAging = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                world.ageWorldFighters(news);
                nextAfterAging = GameRandom::draw();
            }

            QStringList expected;
            int nextAfterReplay = 0;
            {
                DeterministicRandom random(seed * 11, unsigned(seed) + 5);
                int retired = 0;
                for (Fighter fighter : roster) {
                    int oldAge = 0;
                    const int age = fighter.getAgeOn(today(), oldAge);
                    if (age != oldAge)
                        expected << birthdayLine(fighter, age);
                    if (age >= organizationBands[0])
                        GameRandom::reseedWithClock();
                    if (retirementDraw(age, organizationBands) >= 10) {
                        expected << fighter.getFullName() + " has retired from O1";
                        if (++retired == 4)
                            break;
                    } else if (age != oldAge) {
                        fighter.ageOneYear();
                    }
                }
                for (Fighter fighter : pool) {
                    int oldAge = 0;
                    const int age = fighter.getAgeOn(today(), oldAge);
                    if (age != oldAge)
                        expected << birthdayLine(fighter, age);
                    if (retirementDraw(age, freeAgentBands) >= 10)
                        expected << fighter.getFullName() + " has retired.";
                    else if (age != oldAge)
                        fighter.ageOneYear();
                }
                nextAfterReplay = GameRandom::draw();
            }
            QCOMPARE(news, expected);
            QCOMPARE(nextAfterAging, nextAfterReplay);
        }
    }
};

QTEST_GUILESS_MAIN(TestReviewCareer2Draws)
#include "tst_review_career2_draws.moc"
