#include <QtTest>

#include "TestSupport.h"
#include "career/CoinTossEvents.h"
#include "career/DayRunner.h"
#include "core/Career2SoakWorld.h"
#include "core/GeneratorTestFiles.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

// Runs the world day after day with today's bouts decided by a coin toss
// and checks, after every day, that it stays consistent. Two years by
// default; RINGWRIGHT_SOAK_YEARS asks for a longer run.
class TestCareer2Soak : public QObject
{
    Q_OBJECT

private:
    struct Totals
    {
        int days = 0;
        int bookings = 0;
        int results = 0;
        int signings = 0;
        int retirements = 0;
        int titleChanges = 0;
        int tournamentSteps = 0;
        int newStudents = 0;
        int newProfessionals = 0;
    };

    static int years()
    {
        const int asked = qEnvironmentVariableIntValue("RINGWRIGHT_SOAK_YEARS");
        return asked > 0 ? asked : 2;
    }

    // Everybody who is gone today must have retired today.
    static void checkDepartures(const Career2SoakWorld::Census &before, const Career2SoakWorld::Census &after,
                                const DayNews &news)
    {
        for (auto it = before.names.cbegin(); it != before.names.cend(); ++it) {
            if (after.names.contains(it.key()))
                continue;
            const QString retired = it.value() + " has retired";
            const bool reported = std::any_of(news.fighterNews.cbegin(), news.fighterNews.cend(),
                                              [&](const QString &line) { return line.startsWith(retired); });
            QVERIFY2(reported, qPrintable(news.day.toString() + ": " + it.value() + " vanished"));
        }
    }

    static void count(Totals &totals, const DayNews &news)
    {
        ++totals.days;
        totals.bookings += news.bookingNews.size();
        totals.signings += news.freeAgentNews.size();
        totals.newStudents += news.newStudent.isEmpty() ? 0 : 1;
        for (const QString &line : news.fighterNews)
        {
            totals.retirements += line.contains(" has retired") ? 1 : 0;
            totals.newProfessionals += line.endsWith(" has come of age and turned professional.") ? 1 : 0;
        }
        for (const EventResults &event : news.events) {
            for (const QString &line : event.lines) {
                totals.results += line.contains(" defeated ") ? 1 : 0;
                totals.tournamentSteps += line.startsWith("Booked ") ? 1 : 0;
                totals.titleChanges += line.startsWith(MatchType::Championship) || line.startsWith(MatchType::Final);
            }
        }
    }

private slots:
    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void worldStaysConsistent()
    {
        // From 2020, so that the second year makes new professionals.
        World &world = Career2SoakWorld::build(2020, 7);
        DayRunner runner(world, &CoinTossEvents::decide);
        const QDate end = world.getDate().addYears(years());
        Totals totals;
        qint64 worstDay = 0;
        QElapsedTimer clock;
        clock.start();

        Career2SoakWorld::Census before = Career2SoakWorld::census();
        QVERIFY(before.duplicates.isEmpty());
        while (world.getDate() < end) {
            QElapsedTimer dayClock;
            dayClock.start();
            const DayNews news = runner.runDay();
            worstDay = std::max(worstDay, dayClock.elapsed());

            const QStringList breaches = Career2SoakWorld::breaches();
            QVERIFY2(breaches.isEmpty(), qPrintable(news.day.toString() + ": " + breaches.join("; ")));
            const Career2SoakWorld::Census after = Career2SoakWorld::census();
            checkDepartures(before, after, news);
            if (QTest::currentTestFailed())
                return;
            before = after;
            count(totals, news);
        }

        qInfo("%d days in %lld ms (worst day %lld ms): %d bookings, %d bouts, %d title bouts, %d tournament steps, "
              "%d signings, %d retirements, %d new professionals, %d new students; %d fighters left",
              totals.days, clock.elapsed(), worstDay, totals.bookings, totals.results, totals.titleChanges,
              totals.tournamentSteps, totals.signings, totals.retirements, totals.newProfessionals, totals.newStudents,
              int(before.names.size()));
        QStringList sizes;
        for (const Organization &organization : WorldTestAccess::organizations()) {
            Organization::Roster roster;
            organization.getRoster(roster);
            sizes << organization.getName() + " " + QString::number(roster.size());
        }
        sizes << "pool " + QString::number(WorldTestAccess::freeAgents().size());
        qInfo("%s", qPrintable(sizes.join(", ")));
        // The world did move: cards were filled and fought, tournaments ran.
        QVERIFY(totals.bookings > 100);
        QVERIFY(totals.results > 100);
        QVERIFY(totals.tournamentSteps > 0);
        QVERIFY(totals.titleChanges > 0);
        QVERIFY(totals.retirements > 0);
        QVERIFY(totals.newProfessionals > 10);
    }
};

QTEST_GUILESS_MAIN(TestCareer2Soak)
#include "tst_career2_soak.moc"
