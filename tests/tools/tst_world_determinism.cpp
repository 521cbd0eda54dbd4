#include <QtTest>
#include <QCryptographicHash>

#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "TestSupport.h"
#include "core/CoinTossEvents.h"
#include "career/DayRunner.h"
#include "career/UnseenBouts.h"
#include "core/WorldTestAccess.h"
#include "records/GameRandom.h"
#include "world/World.h"

Q_DECLARE_METATYPE(DayRunner::TodaysEvents)

// A few seeded months of a new game's default world give exactly the days
// they always gave: every day's news, the saved world at each month's end
// and the generator's next draw are reduced to one hash, recorded from the
// code before any speed work and again when the default world's
// professionals were given their fight records (the saved worlds changed,
// the days' news and the next draw did not). A change that moves it changes
// the game.
class TestWorldDeterminism : public QObject
{
    Q_OBJECT

private:
    static void writeNews(QDataStream &out, const DayNews &news)
    {
        out << news.day << news.gymInfo << news.newStudent << news.fighterNews
            << news.freeAgentNews << news.contractNews << news.bookingNews;
        out << qint32(news.events.size());
        for (const EventResults &results : news.events)
            out << results.eventName << results.lines;
    }

    // The hash of `months` months from 1 January 2011, today's events
    // decided by `todaysEvents`; `resultLines` counts the events' lines.
    static QByteArray monthsHash(int months, const DayRunner::TodaysEvents &todaysEvents,
                                 int &resultLines)
    {
        resultLines = 0;
        DeterministicRandom seam(250, 3);
        World &world = WorldTestAccess::freshWorld(50000);
        world.loadDefaultData();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(100001, "Jo", "Park", 2500));

        QByteArray bytes;
        GameDataStream out(&bytes, QIODevice::WriteOnly);
        DayRunner runner(world, todaysEvents);
        const QDate end = world.getDate().addMonths(months);
        while (world.getDate() < end) {
            const DayNews news = runner.runDay();
            writeNews(out, news);
            for (const EventResults &results : news.events)
                resultLines += results.lines.size();
            if (world.getDate().day() == 1) {
                QByteArray saved;
                GameDataStream saving(&saved, QIODevice::WriteOnly);
                world.save(saving);
                out << saved;
            }
        }
        out << GameRandom::draw();
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    }

private slots:
    void initTestCase()
    {
        const QString resources = QDir::current().absoluteFilePath("Resources");
        QVERIFY(DefaultNamesWriter::writeAll(resources) && DefaultWorldWriter::writeAll(resources));
    }

    void cleanupTestCase()
    {
        QDir("Resources").removeRecursively();
    }

    void monthsGiveTheRecordedDays_data()
    {
        QTest::addColumn<DayRunner::TodaysEvents>("todaysEvents");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("coin toss") << DayRunner::TodaysEvents(&CoinTossEvents::decide)
                                   << QByteArray("9423e3ea5f547a4f0d9dd1b53829324e318cdf61");
        QTest::addRow("unseen bouts") << DayRunner::TodaysEvents(&UnseenBouts::decide)
                                      << QByteArray("17326126427a0fdb9c71e781842a963f57f0ed36");
    }

    void monthsGiveTheRecordedDays()
    {
        QFETCH(DayRunner::TodaysEvents, todaysEvents);
        QFETCH(QByteArray, expected);
        int resultLines = 0;
        QCOMPARE(monthsHash(3, todaysEvents, resultLines), expected);
        // The months hold fought cards, not only quiet days.
        QVERIFY2(resultLines > 50, qPrintable(QString::number(resultLines)));
    }
};

QTEST_GUILESS_MAIN(TestWorldDeterminism)
#include "tst_world_determinism.moc"
