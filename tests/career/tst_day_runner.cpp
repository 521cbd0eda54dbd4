#include <QtTest>

#include "TestSupport.h"
#include "career/DayRunner.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "world/World.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// The order of one headless day and its monthly and yearly steps.
class TestDayRunner : public QObject
{
    Q_OBJECT

private:
    // A full gym of students (no new one joins), one player's fighter with
    // a three-line training log, and O1 with an event and an old title.
    static World &buildWorld(const QDate &today)
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today);
        for (int i = 0; i < 3; ++i)
            WorldTestAccess::addStudent(pro(2000, "Student", 0, "Student"));
        GymFighter mine = gymFighter(1101, "Jo", "Park", 500);
        QVector<int> state, progress;
        QStringList log;
        mine.getTrainingData(state, progress, log);
        mine.setTrainingData(state, progress, {"one", "two", "three"});
        WorldTestAccess::addRosterFighter(mine);
        WorldTestAccess::addOrganization(organization("O1", "National", {
            eventOn("O1 Event", "O1", QDate(2011, 6, 1), open(MatchType::Single, 2)),
        }, {}, {{"O1 Grand Prix 2010", "Vacant"}, {"O1 World Championship", "Vacant"}}));
        return world;
    }

    static int studentFees()
    {
        QStringList texts;
        QVector<int> numbers, figures;
        World::Instance().getGymData(texts, numbers, figures);
        return figures.value(Gym::StudentFeesIndex);
    }

private slots:
    void calendarSteps_data()
    {
        QTest::addColumn<QDate>("finished");
        QTest::addColumn<int>("fees");
        QTest::addColumn<int>("logLines");
        QTest::addColumn<bool>("newYear");
        QTest::addRow("an ordinary day") << QDate(2011, 3, 14) << 0 << 4 << false;
        QTest::addRow("into the 1st: month closed, fees paid") << QDate(2011, 3, 31) << 150 << 4 << false;
        QTest::addRow("into the 2nd: logs trimmed") << QDate(2011, 4, 1) << 0 << 1 << false;
        QTest::addRow("into 1 January: month and year") << QDate(2011, 12, 31) << 150 << 4 << true;
    }

    void calendarSteps()
    {
        QFETCH(QDate, finished);
        QFETCH(int, fees);
        QFETCH(int, logLines);
        QFETCH(bool, newYear);
        World &world = buildWorld(finished);
        QDate seenByEvents;
        DayRunner runner(world, [&](World &w) {
            seenByEvents = w.getDate();
            return QVector<EventResults>{{"Stand-in", {"a line"}}};
        });
        DeterministicRandom random;
        const DayNews news = runner.runDay();

        // Today's events are fought before the date moves on.
        QCOMPARE(news.day, finished);
        QCOMPARE(seenByEvents, finished);
        QCOMPARE(world.getDate(), finished.addDays(1));
        QCOMPARE(news.events.size(), 1);
        QCOMPARE(news.gymInfo.size(), 1);
        QVERIFY(news.newStudent.isEmpty());
        QCOMPARE(studentFees(), fees);
        QStringList log;
        world.getFighterById(1101).getTrainingLog(log);
        QCOMPARE(log.size(), logLines);

        QVector<Event> events;
        const Organization organization = WorldTestAccess::organization("O1");
        organization.getEvents(events);
        QCOMPARE(events.first().getDate().year(), newYear ? 2012 : 2011);
        Organization::Titles titles;
        organization.getTitles(titles);
        QCOMPARE(titles.contains("O1 Grand Prix 2010"), !newYear);
        for (qint64 nanos : runner.stepNanos())
            QVERIFY(nanos >= 0);
    }
};

QTEST_GUILESS_MAIN(TestDayRunner)
#include "tst_day_runner.moc"
