#include <QtTest>

#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "TestSupport.h"
#include "core/SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

// The default world of a new game, written by the resource generator into
// the test's folder, run headless and checked after every day. One year by
// default; RINGWRIGHT_SOAK_YEARS asks for a longer run.
class TestDefaultWorldYear : public QObject
{
    Q_OBJECT

private:
    // The finals cards of the loaded calendar; each year holds them again.
    static int grandPrixFinals(int years)
    {
        int finals = 0;
        for (const Organization &organization : WorldTestAccess::organizations()) {
            QVector<Event> events;
            organization.getEvents(events);
            for (const Event &event : events)
                finals += event.hasTournamentRound() ? 1 : 0;
        }
        return finals * years;
    }

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

        const int asked = qEnvironmentVariableIntValue("RINGWRIGHT_SOAK_YEARS");
        const int years = asked > 0 ? asked : 1;
        const QDate end = world.getDate().addYears(years);
        const int finals = grandPrixFinals(years);
        SoakWorld::Totals totals;
        const QString breach = SoakWorld::run(world, end, totals);
        QVERIFY2(breach.isEmpty(), qPrintable(breach));
        qInfo("%s", qPrintable(totals.summary()));
        QVERIFY(totals.bookings > 100);
        QVERIFY(totals.bouts > 100);
        // Every Grand Prix of the year is fought to its final: the booking
        // pass fills its qualifier card in time on the real clock.
        QVERIFY(finals > 0);
        QCOMPARE(totals.finals, finals);
    }
};

QTEST_GUILESS_MAIN(TestDefaultWorldYear)
#include "tst_default_world_year.moc"
