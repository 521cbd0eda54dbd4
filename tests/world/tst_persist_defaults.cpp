#include <QtTest>

#include "TestSupport.h"
#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

#include <QDir>
#include <QFile>

using namespace WorldFixtures;

// The default organizations and pools of a new game, read from small files
// written into ./Resources/Defaults of the test's working folder.
class TestPersistDefaults : public QObject
{
    Q_OBJECT

private:
    const QStringList keys = {"G1", "Genesis", "KingsStadium", "GKO", "EPIC", "Ironheart", "RedStorm",
                              "Albion", "Dubai", "SantaMaria", "Valhalla", "TieLong", "PomwareeStadium",
                              "KingsOfRio", "DaichiSenshu", "Centurion", "NorthStar", "IvoryThrone"};

    static QString organizationPath(const QString &key)
    {
        return "./Resources/Defaults/default_orgs_" + key + ".dat";
    }

    static QString poolPath(const QString &kind, int n)
    {
        return "./Resources/Defaults/default_list_" + kind + QString::number(n) + ".dat";
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The pool as the file's map holds it, equal standings in the given order.
    static QByteArray poolBytes(const QVector<Fighter> &fighters)
    {
        QMultiMap<int, Fighter> pool;
        for (int i = fighters.size() - 1; i >= 0; --i)
            pool.insert(fighters.at(i).getStanding(), fighters.at(i));
        return TestStream::bytesOf(pool);
    }

    // Every organization file, each organization named after its key.
    void writeAllOrganizations()
    {
        for (const QString &key : keys)
            writeFile(organizationPath(key), TestStream::bytesOf(organization("The " + key)));
    }

    QStringList namesWithout(int position) const
    {
        QStringList names;
        for (int i = 0; i < keys.size(); ++i)
            names << (i == position ? QString() : "The " + keys.at(i));
        return names;
    }

    static QStringList loadedNames()
    {
        QStringList names;
        World::Instance().getOrgNames(names);
        return names;
    }

private slots:
    void init()
    {
        QDir("./Resources").removeRecursively();
        QVERIFY(QDir().mkpath("./Resources/Defaults"));
        World::Instance().reset();
    }

    void organizationsComeInTableOrder()
    {
        writeAllOrganizations();
        World::Instance().loadDefaultData();
        QCOMPARE(loadedNames(), namesWithout(-1));
        QVERIFY(WorldTestAccess::organization("The GKO") == organization("The GKO"));
    }

    void aFileThatDoesNotReadLeavesAnEmptyOrganization_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        const QByteArray good = TestStream::bytesOf(organization("The GKO"));
        QTest::addRow("absent") << QByteArray() << false;
        QTest::addRow("empty") << QByteArray() << true;
        QTest::addRow("cut short") << good.left(good.size() - 3) << true;
        QTest::addRow("a byte too many") << good + QByteArray(1, '\0') << true;
        QTest::addRow("huge text count") << PersistTestAccess::withNumberAt(good, 0, 0xFFFFFF00) << true;
    }

    void aFileThatDoesNotReadLeavesAnEmptyOrganization()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        writeAllOrganizations();
        QFile::remove(organizationPath("GKO"));
        if (present)
            writeFile(organizationPath("GKO"), bytes);

        World::Instance().loadDefaultData();

        QCOMPARE(loadedNames(), namesWithout(3));
        QVERIFY(loadedNames().at(3).isNull());
        // Read only: a missing file is not made.
        QCOMPARE(QFile::exists(organizationPath("GKO")), present);
    }

    void poolFilesAreAddedInTurn()
    {
        const Fighter early = fighter(1301, "Early", "One", 50);
        const Fighter late = fighter(1302, "Late", "Three", 50);
        writeFile(poolPath("FreeAgent", 1), poolBytes({early, fighter(1303, "Top", "Man", 2)}));
        writeFile(poolPath("FreeAgent", 3), poolBytes({late}));
        writeFile(poolPath("Amateur", 1), poolBytes({fighter(1311, "Am", "One", 9000)}));
        writeFile(poolPath("Amateur", 6), poolBytes({fighter(1316, "Am", "Six", 9000)}));
        // Neither is a pool file of the game.
        writeFile(poolPath("FreeAgent", 5), poolBytes({fighter(1305, "Not", "Read", 1)}));
        writeFile(poolPath("Amateur", 0), poolBytes({fighter(1310, "Not", "Read", 1)}));

        World::Instance().loadDefaultData();

        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::FreeAgents), QVector<int>({1303, 1302, 1301}));
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::Amateurs), QVector<int>({1316, 1311}));
        QCOMPARE(loadedNames().size(), keys.size());
    }

    void equalStandingsInOneFileComeBackReversed()
    {
        writeFile(poolPath("Amateur", 2), poolBytes({fighter(1321, "A", "First", 70), fighter(1322, "B", "Second", 70),
                                                     fighter(1323, "C", "Third", 70), fighter(1324, "D", "Low", 60)}));
        World::Instance().loadDefaultData();
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::Amateurs), QVector<int>({1324, 1323, 1322, 1321}));
    }

    void aPoolFileThatDoesNotReadAddsNobody_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = poolBytes({fighter(1331, "Cut", "One", 5), fighter(1332, "Cut", "Two", 6)});
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("count only") << good.left(4);
        QTest::addRow("last byte missing") << good.left(good.size() - 1);
        QTest::addRow("second fighter cut off") << good.left(good.size() / 2 + 10);
    }

    void aPoolFileThatDoesNotReadAddsNobody()
    {
        QFETCH(QByteArray, bytes);
        writeFile(poolPath("FreeAgent", 2), bytes);
        writeFile(poolPath("FreeAgent", 4), poolBytes({fighter(1334, "Whole", "File", 7)}));
        World::Instance().loadDefaultData();
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::FreeAgents), QVector<int>({1334}));
    }

    void aSecondLoadAddsEverythingAgain()
    {
        writeAllOrganizations();
        writeFile(poolPath("FreeAgent", 1), poolBytes({fighter(1341, "Twice", "Over", 8000)}));
        World::Instance().loadDefaultData();
        World::Instance().loadDefaultData();
        QCOMPARE(loadedNames(), namesWithout(-1) + namesWithout(-1));
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::FreeAgents), QVector<int>({1341, 1341}));
    }

    void cleanupTestCase()
    {
        QDir("./Resources").removeRecursively();
    }
};

QTEST_GUILESS_MAIN(TestPersistDefaults)
#include "tst_persist_defaults.moc"
