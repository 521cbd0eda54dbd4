#include <QtTest>

#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "TestSupport.h"
#include "core/Career2SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

// The default world of a new game, written by the resource generator into
// the test's folder, run headless for a year and checked after every day.
class TestCareer2DefaultWorld : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        QDir("Resources").removeRecursively();
    }

    void defaultWorldStaysConsistent()
    {
        const QString resources = QDir::current().absoluteFilePath("Resources");
        QVERIFY(DefaultNamesWriter::writeAll(resources) && DefaultWorldWriter::writeAll(resources));
        World &world = WorldTestAccess::freshWorld(50000);
        world.loadDefaultData();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(100001, "Jo", "Park", 2500));

        Career2SoakWorld::Totals totals;
        const QString breach = Career2SoakWorld::run(world, world.getDate().addYears(1), totals);
        QVERIFY2(breach.isEmpty(), qPrintable(breach));
        qInfo("%s", qPrintable(totals.summary()));
        QVERIFY(totals.bookings > 100);
        QVERIFY(totals.bouts > 100);
    }
};

QTEST_GUILESS_MAIN(TestCareer2DefaultWorld)
#include "tst_career2_defaultworld.moc"
