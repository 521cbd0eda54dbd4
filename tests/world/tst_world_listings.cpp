#include <QtTest>

#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace WorldFixtures;

// Fighters listed by organization with the player's fighters merged in,
// and the rankings gathered over organizations.
class TestWorldListings : public QObject
{
    Q_OBJECT

private:
    static QVector<int> idsOf(const QVector<Fighter> &fighters)
    {
        QVector<int> ids;
        for (const Fighter &fighter : fighters)
            ids << fighter.getId();
        return ids;
    }

    // Free agents at standings 3, 5 and 9 (ids 3, 5, 9).
    static World &buildPool()
    {
        World &world = WorldTestAccess::freshWorld();
        for (int standing : {9, 3, 5})
            WorldTestAccess::addFreeAgent(fighter(standing, "Pool", QString::number(standing), standing));
        return world;
    }

private slots:
    void playersFightersMergedByStanding_data()
    {
        QTest::addColumn<QVector<int>>("playerStandings");
        QTest::addColumn<QVector<int>>("order");
        // The player's fighters have ids 1101, 1102, ... in roster order.
        QTest::addRow("equal standing goes first") << QVector<int>{5} << QVector<int>{3, 1101, 5, 9};
        QTest::addRow("largest comes last") << QVector<int>{12} << QVector<int>{3, 5, 9, 1101};
        QTest::addRow("smallest comes first") << QVector<int>{1} << QVector<int>{1101, 3, 5, 9};
        QTest::addRow("two at one standing, the later first") << QVector<int>{5, 5}
                                                              << QVector<int>{3, 1102, 1101, 5, 9};
    }

    void playersFightersMergedByStanding()
    {
        QFETCH(QVector<int>, playerStandings);
        QFETCH(QVector<int>, order);
        World &world = buildPool();
        int id = 1101;
        for (int standing : playerStandings)
            WorldTestAccess::addRosterFighter(gymFighter(id++, "Jo", "Park", standing, "Free Agent"));
        WorldTestAccess::addRosterFighter(gymFighter(id, "Al", "Ross", 4, "G1"));
        QCOMPARE(idsOf(world.getFightersOf("Free Agent")), order);
    }

    void poolsAndOrganizations()
    {
        World &world = WorldTestAccess::freshWorld();
        QVERIFY(world.getFightersOf("Free Agent").isEmpty());
        WorldTestAccess::addAmateur(fighter(7, "Am", "Seven", 70));
        WorldTestAccess::addAmateur(fighter(8, "Am", "Eight", 70));
        WorldTestAccess::addOrganization(organization("G1", "Elite", {}, {fighter(21, "A", "One", 2),
                                                                          fighter(20, "A", "Two", 1)}));
        WorldTestAccess::addOrganization(organization("G1", "Elite", {}, {fighter(30, "B", "One", 1)}));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 2, "G1"));

        // Equal standings keep the pool's own order: the later entry first.
        QCOMPARE(idsOf(world.getFightersOf("Amateur")), (QVector<int>{8, 7}));
        // Only the first organization of a name is listed.
        QCOMPARE(idsOf(world.getFightersOf("G1")), (QVector<int>{20, 1101, 21}));
        QVERIFY(world.getFightersOf("amateur").isEmpty());
        // A name no organization bears still lists the player's fighters
        // signed under it.
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 2, "Old Org"));
        QCOMPARE(idsOf(world.getFightersOf("Old Org")), QVector<int>{1102});
    }

    void rankingsGatherOverOrganizations()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("A", "Elite", {}, {fighter(1, "A", "Ten", 10),
                                                                         fighter(2, "A", "Thirty", 30)}));
        WorldTestAccess::addOrganization(organization("B", "Elite", {}, {fighter(3, "B", "Twenty", 20),
                                                                         fighter(4, "B", "Thirty", 30)}));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 30, "A"));
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 5, "B"));

        QMultiMap<int, QString> ranking;
        ranking.insert(1, "Already There");
        QStringList names;
        world.getOrgNames(names);
        for (const QString &name : names)
            world.collectRankedFighters(name, ranking);

        QCOMPARE(ranking.keys(), (QList<int>{1, 5, 10, 20, 30, 30, 30}));
        QCOMPARE(ranking.value(1), QString("Already There"));
        QCOMPARE(ranking.value(5), QString("Al Ross"));
        // Equal standings stand side by side; the entry added last is first.
        QCOMPARE(ranking.values(30), (QList<QString>{"B Thirty", "A Thirty", "Jo Park"}));
    }

    void rankingOfAnUnknownOrganizationHoldsOnlyThePlayersFighters()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("A", "Elite", {}, {fighter(1, "A", "Ten", 10)}));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 30, "Gone"));
        QMultiMap<int, QString> ranking;
        world.collectRankedFighters("Gone", ranking);
        QCOMPARE(ranking.values(), QList<QString>{"Jo Park"});
    }
};

QTEST_GUILESS_MAIN(TestWorldListings)
#include "tst_world_listings.moc"
