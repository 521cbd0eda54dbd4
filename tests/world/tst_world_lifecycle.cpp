#include <QtTest>

#include "core/WorldTestAccess.h"
#include "world/World.h"

#include <algorithm>

using namespace WorldFixtures;

// The world's start state, its reset, the day counter and the small helpers.
class TestWorldLifecycle : public QObject
{
    Q_OBJECT

private:
    static bool allEmpty(const QStringList &texts)
    {
        return std::all_of(texts.cbegin(), texts.cend(), [](const QString &text) { return text.isEmpty(); });
    }

private slots:
    void resetReturnsToTheStartState()
    {
        World &world = WorldTestAccess::freshWorld(50000, 400);
        WorldTestAccess::setDate(QDate(2014, 7, 3));
        WorldTestAccess::addOrganization(organization("G1", "Elite", {}, {fighter(1200, "Ken", "Sato", 10, "G1")}));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 50, "G1"));
        WorldTestAccess::addStudent(fighter(1102, "Al", "Ross", 0));
        WorldTestAccess::addFreeAgent(fighter(1103, "Bo", "Diaz", 8000));
        WorldTestAccess::addAmateur(fighter(1104, "Cy", "Moss", 9000));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", QDate(2014, 8, 1)));

        world.reset();

        QCOMPARE(WorldTestAccess::lastFighterId(), 1058);
        QCOMPARE(world.getDate(), QDate(2011, 1, 1));
        QStringList names;
        world.getOrgNames(names);
        world.getRosterNames(names);
        QVERIFY(names.isEmpty());
        QVERIFY(world.getOfferEventNames().isEmpty());
        QVERIFY(WorldTestAccess::bookings().isEmpty());
        QVERIFY(world.getFightersOf("Free Agent").isEmpty());
        QVERIFY(world.getFightersOf("Amateur").isEmpty());
        QStringList studentTexts, titles;
        QVector<int> studentInts;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        world.getStudentProfile(studentTexts, studentInts, birthday, history, titles, 0);
        QCOMPARE(studentTexts, QStringList(QVector<QString>(Fighter::TextCount, "N/A").toList()));

        // A fresh gym and manager: the old game's texts and money are gone.
        QStringList gymTexts, managerTexts;
        QVector<int> gymNumbers, monthFigures, managerNumbers;
        world.getGymData(gymTexts, gymNumbers, monthFigures);
        world.getManagerData(managerTexts, managerNumbers, titles);
        QCOMPARE(gymTexts.size(), 5);
        QCOMPARE(managerTexts.size(), 5);
        QVERIFY(allEmpty(gymTexts));
        QVERIFY(allEmpty(managerTexts));
        QVERIFY(titles.isEmpty());
    }

    void deleteGymAndManagerThenReset()
    {
        World &world = WorldTestAccess::freshWorld();
        world.deleteGymAndManager();
        QVERIFY(!WorldTestAccess::hasGymAndManager());
        // Without a gym the forwarders answer nothing instead of crashing.
        QVector<int> stats;
        world.getGymStats(stats);
        QVERIFY(stats.isEmpty());
        QVERIFY(!world.upgradeGym());

        world.deleteGymAndManager();
        world.reset();
        QVERIFY(WorldTestAccess::hasGymAndManager());
        QCOMPARE(WorldTestAccess::lastFighterId(), 1058);
    }

    void advanceDay_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("tomorrow");
        QTest::addRow("last day of the year") << QDate(2011, 12, 31) << QDate(2012, 1, 1);
        QTest::addRow("28 February of a leap year") << QDate(2012, 2, 28) << QDate(2012, 2, 29);
    }

    void advanceDay()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, tomorrow);
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today);
        world.advanceDay();
        QCOMPARE(world.getDate(), tomorrow);
    }

    void purgeKeepsAmateurIdMinus100()
    {
        World &world = WorldTestAccess::freshWorld();
        for (int id : {-100, -101, -116, -117, 1300})
            WorldTestAccess::addAmateur(fighter(id, "A", QString::number(id), 500));
        world.purgeTemporaryAmateurs();
        QVector<int> left;
        for (const Fighter &amateur : WorldTestAccess::amateurs())
            left << amateur.getId();
        std::sort(left.begin(), left.end());
        QCOMPARE(left, QVector<int>({-100, 1300}));

        world.purgeTemporaryAmateurs();
        QCOMPARE(WorldTestAccess::amateurs().size(), 2);
    }

    void findStringIndex_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addRow("held twice") << QStringList{"Asia", "Europe", "Europe"} << "Europe" << 1;
        QTest::addRow("empty list") << QStringList() << "Europe" << -1;
        QTest::addRow("case differs") << QStringList{"europe"} << "Europe" << -1;
    }

    void findStringIndex()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(::findStringIndex(list, text), position);
    }
};

QTEST_GUILESS_MAIN(TestWorldLifecycle)
#include "tst_world_lifecycle.moc"
