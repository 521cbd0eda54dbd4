#include <QtTest>

#include "TestSupport.h"
#include "core/GeneratorTestFiles.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// The world's fighters grow older, retire and come of age.
class TestWorldAging : public QObject
{
    Q_OBJECT

private:
    static const int Seeds = 60;

    // Every fixture fighter's birthday is 17 May.
    static QDate birthday() { return QDate(2011, 5, 17); }

    static QVector<Fighter> agedMembers(int count, int age, const QDate &born = QDate(1960, 1, 1))
    {
        QVector<Fighter> made;
        for (int i = 0; i < count; ++i)
            made << pro(3000 + i, "L" + QString::number(3000 + i), 10 * (i + 1), "O1", "Unknown", 40, age, born);
        return made;
    }

    static World &buildWorld(const QDate &today, const QVector<Fighter> &roster, const QVector<Event> &events = {},
                             const Organization::Titles &titles = {})
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today);
        WorldTestAccess::addOrganization(organization("O1", "National", events, roster, titles));
        // A full pool, so no new free agent is made.
        for (int i = 0; i < 20; ++i)
            WorldTestAccess::addFreeAgent(pro(5000 + i, "Pool", 1000 + i, "Free Agent", "Unknown", 40, 20));
        return world;
    }

private slots:
    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void birthdays_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("storedAge");
        QTest::addRow("birthday") << birthday()
                                  << QStringList{"F3000 L3000 has turned 25 years old.",
                                                 "F4000 Agent has turned 31 years old."}
                                  << 25;
        QTest::addRow("any other day") << birthday().addDays(1) << QStringList() << 24;
    }

    void birthdays()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, lines);
        QFETCH(int, storedAge);
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today);
        WorldTestAccess::addOrganization(organization("O1", "National", {}, {pro(3000, "L3000", 10, "O1")}));
        WorldTestAccess::addFreeAgent(pro(4000, "Agent", 10, "Free Agent", "Unknown", 40, 30));
        DeterministicRandom random;
        QStringList news;
        world.ageWorldFighters(news);
        QCOMPARE(news, lines);
        QCOMPARE(FighterFields::wholeNumber(rosterOf("O1").first(), Fighter::AgeIndex), storedAge);
    }

    // The age bands that draw: never below them, sometimes inside them.
    void retirementBands_data()
    {
        QTest::addColumn<bool>("freeAgent");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("retires");
        QTest::addRow("organization, 40") << false << 40 << false;
        QTest::addRow("organization, 41") << false << 41 << true;
        QTest::addRow("organization, 48") << false << 48 << true;
        QTest::addRow("organization, 60") << false << 60 << true;
        QTest::addRow("free agent, 37") << true << 37 << false;
        QTest::addRow("free agent, 38") << true << 38 << true;
        QTest::addRow("free agent, 44") << true << 44 << true;
    }

    void retirementBands()
    {
        QFETCH(bool, freeAgent);
        QFETCH(int, age);
        QFETCH(bool, retires);
        int retirements = 0;
        for (int seed = 0; seed < Seeds; ++seed) {
            World &world = buildWorld(QDate(2011, 3, 1), freeAgent ? QVector<Fighter>() : agedMembers(1, age));
            if (freeAgent)
                WorldTestAccess::addFreeAgent(pro(4000, "Old", 5, "Free Agent", "Unknown", 40, age));
            DeterministicRandom random(seed * 29, unsigned(seed) + 1);
            QStringList news;
            world.ageWorldFighters(news);
            const QString expected = freeAgent ? "F4000 Old has retired." : "F3000 L3000 has retired from O1";
            if (news.contains(expected)) {
                ++retirements;
                QCOMPARE(freeAgent ? WorldTestAccess::freeAgents().size() : rosterOf("O1").size(),
                         freeAgent ? 20 : 0);
            }
        }
        QCOMPARE(retirements > 0, retires);
        // Even the oldest band keeps some fighters on some days.
        QVERIFY(retirements < Seeds);
    }

    // At most four of an organization's fighters retire in a day; the
    // fighters after the fourth are left alone until tomorrow, birthdays
    // included.
    void dailyRetirementCap()
    {
        bool capped = false;
        for (int seed = 0; seed < Seeds; ++seed) {
            World &world = buildWorld(birthday(), agedMembers(8, 60, QDate(1950, 5, 17)));
            DeterministicRandom random(seed * 31, unsigned(seed) + 1);
            QStringList news;
            world.ageWorldFighters(news);
            const int retired = linesContaining(news, "has retired from O1").size();
            QVERIFY(retired <= 4);
            QCOMPARE(rosterOf("O1").size(), 8 - retired);
            if (retired < 4)
                continue;
            capped = true;
            // The fighter who retired fourth is the last one looked at.
            const QString fourth = linesContaining(news, "has retired from O1").last();
            const QString lastName = fourth.section(' ', 1, 1);
            for (const Fighter &left : rosterOf("O1")) {
                const bool lookedAt = left.getLastName() < lastName;
                QCOMPARE(FighterFields::wholeNumber(left, Fighter::AgeIndex), lookedAt ? 61 : 60);
            }
        }
        QVERIFY(capped);
    }

    // On fight day he cannot leave: he stays, keeps his title and misses
    // his birthday. On other days he leaves his next card and his title.
    void retirementAndTheNextEvent_data()
    {
        QTest::addColumn<int>("eventInDays");
        QTest::addColumn<bool>("canLeave");
        QTest::addRow("fight day") << 0 << false;
        QTest::addRow("event tomorrow") << 1 << true;
    }

    void retirementAndTheNextEvent()
    {
        QFETCH(int, eventInDays);
        QFETCH(bool, canLeave);
        bool retired = false;
        for (int seed = 0; seed < Seeds && !retired; ++seed) {
            const QVector<Event> events{LeagueFixtures::event(
                "O1 Event", "O1", birthday().addDays(eventInDays),
                {match(MatchType::Championship, "F3000 L3000", 3000, "F3001 L3001", 3001)}, "O1 World Championship")};
            QVector<Fighter> roster = agedMembers(1, 60, QDate(1950, 5, 17));
            roster << pro(3001, "L3001", 20, "O1");
            World &world = buildWorld(birthday(), roster, events, {{"O1 World Championship", "F3000 L3000"}});
            DeterministicRandom random(seed * 37, unsigned(seed) + 1);
            QStringList news;
            world.ageWorldFighters(news);
            retired = news.contains("F3000 L3000 has retired from O1");
            const Event next = nextEvent("O1", birthday());
            if (retired) {
                QVERIFY(canLeave);
                QCOMPARE(sideIds(next), (QVector<int>{0, 3001}));
                QCOMPARE(WorldTestAccess::titleHolder("O1", "O1 World Championship"), QString("Vacant"));
            } else if (!canLeave) {
                QVERIFY(news.contains("F3000 L3000 has turned 61 years old."));
                const Fighter stays = rosterOf("O1").first();
                QCOMPARE(stays.getId(), 3000);
                QCOMPARE(WorldTestAccess::titleHolder("O1", "O1 World Championship"), QString("F3000 L3000"));
                QCOMPARE(sideIds(next), (QVector<int>{3000, 3001}));
                // A retiring draw on his birthday leaves him a year younger.
                const int age = FighterFields::wholeNumber(stays, Fighter::AgeIndex);
                QVERIFY(age == 60 || age == 61);
            }
        }
        QCOMPARE(retired, canLeave);
    }

    // From 2021 on a low pool gets one new professional a day.
    void newFreeAgent_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("pool");
        QTest::addColumn<bool>("made");
        QTest::addRow("2020, empty pool") << QDate(2020, 12, 31) << 0 << false;
        QTest::addRow("2021, 19 free agents") << QDate(2021, 1, 1) << 19 << true;
        QTest::addRow("2021, 20 free agents") << QDate(2021, 1, 1) << 20 << false;
        QTest::addRow("2030, empty pool") << QDate(2030, 6, 1) << 0 << true;
    }

    void newFreeAgent()
    {
        QFETCH(QDate, today);
        QFETCH(int, pool);
        QFETCH(bool, made);
        GeneratorTestFiles::removeResources();
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(20);
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today);
        for (int i = 0; i < pool; ++i)
            WorldTestAccess::addFreeAgent(pro(5000 + i, "Pool", 1000 + i, "Free Agent", "Unknown", 40, 20));
        const int lastId = WorldTestAccess::lastFighterId();
        DeterministicRandom random;
        QStringList news;
        world.ageWorldFighters(news);
        QCOMPARE(WorldTestAccess::freeAgents().size(), pool + (made ? 1 : 0));
        QCOMPARE(WorldTestAccess::lastFighterId(), lastId + (made ? 1 : 0));
        if (made) {
            Fighter newcomer;
            for (const Fighter &agent : WorldTestAccess::freeAgents()) {
                if (agent.getId() == lastId + 1)
                    newcomer = agent;
            }
            QCOMPARE(news, QStringList{newcomer.getFullName() + " has come of age and turned professional."});
        } else {
            QVERIFY(news.isEmpty());
        }
    }

    // Amateurs who turn 18 join the pool, 100 above the last key it held.
    void amateursComeOfAge_data()
    {
        QTest::addColumn<int>("poolKey");
        QTest::addColumn<QVector<int>>("newKeys");
        QTest::addRow("after a pool up to 2000") << 2000 << QVector<int>{2100, 2200};
        QTest::addRow("empty pool") << -1 << QVector<int>{100, 200};
    }

    void amateursComeOfAge()
    {
        QFETCH(int, poolKey);
        QFETCH(QVector<int>, newKeys);
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(birthday());
        if (poolKey >= 0) {
            for (int i = 0; i < 20; ++i)
                WorldTestAccess::addFreeAgent(
                    pro(5000 + i, "Pool", poolKey - i, "Free Agent", "Unknown", 40, 20, QDate(1991, 1, 1)));
        }
        WorldTestAccess::addAmateur(pro(6000, "Young", 50, "Amateur", "Unknown", 40, 17));
        WorldTestAccess::addAmateur(pro(6001, "Younger", 60, "Amateur", "Unknown", 40, 17));
        WorldTestAccess::addAmateur(pro(6002, "Waiting", 70, "Amateur", "Unknown", 40, 17, QDate(1994, 8, 1)));
        DeterministicRandom random;
        QStringList news;
        world.ageWorldFighters(news);

        QCOMPARE(news, (QStringList{"F6000 Young has come of age and turned professional.",
                                    "F6001 Younger has come of age and turned professional."}));
        const QMultiMap<int, Fighter> pool = WorldTestAccess::freeAgents();
        for (int i = 0; i < 2; ++i) {
            const Fighter turned = pool.value(newKeys.at(i));
            QCOMPARE(turned.getId(), 6000 + i);
            QCOMPARE(FighterFields::text(turned, Fighter::OrganizationText), QString("Free Agent"));
            QCOMPARE(FighterFields::wholeNumber(turned, Fighter::ContractMatchesIndex), 0);
            QCOMPARE(FighterFields::wholeNumber(turned, Fighter::AgeIndex), 18);
            // The standing stays; only the pool key is new.
            QCOMPARE(turned.getStanding(), 50 + 10 * i);
        }
        const QMultiMap<int, Fighter> amateurs = WorldTestAccess::amateurs();
        QCOMPARE(amateurs.size(), 1);
        QCOMPARE(FighterFields::wholeNumber(amateurs.first(), Fighter::AgeIndex), 17);
    }
};

QTEST_GUILESS_MAIN(TestWorldAging)
#include "tst_world_aging.moc"
