#include <QtTest>

#include "TestSupport.h"
#include "core/GeneratorTestFiles.h"
#include "core/SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

// Runs a small world day after day with today's bouts decided by a coin
// toss and checks, after every day, that it stays consistent. Two years by
// default; RINGWRIGHT_SOAK_YEARS asks for a longer run.
class TestCareerSoak : public QObject
{
    Q_OBJECT

private:
    static int years()
    {
        const int asked = qEnvironmentVariableIntValue("RINGWRIGHT_SOAK_YEARS");
        return asked > 0 ? asked : 2;
    }

private slots:
    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void worldStaysConsistent()
    {
        // From 2020, so that the second year makes new professionals.
        World &world = SoakWorld::build(2020, 7);
        SoakWorld::Totals totals;
        const QString breach = SoakWorld::run(world, world.getDate().addYears(years()), totals);
        QVERIFY2(breach.isEmpty(), qPrintable(breach));
        qInfo("%s", qPrintable(totals.summary()));

        QStringList sizes;
        for (const Organization &organization : WorldTestAccess::organizations()) {
            Organization::Roster roster;
            organization.getRoster(roster);
            sizes << organization.getName() + " " + QString::number(roster.size());
        }
        sizes << "pool " + QString::number(WorldTestAccess::freeAgents().size());
        qInfo("%s", qPrintable(sizes.join(", ")));
        // The world did move: cards were filled and fought, tournaments ran,
        // fighters retired and new ones came.
        QVERIFY(totals.bookings > 100);
        QVERIFY(totals.bouts > 100);
        QVERIFY(totals.tournamentSteps > 0);
        QVERIFY(totals.titleBouts > 0);
        QVERIFY(totals.retirements > 0);
        QVERIFY(totals.newProfessionals > 10);
    }
};

QTEST_GUILESS_MAIN(TestCareerSoak)
#include "tst_career_soak.moc"
