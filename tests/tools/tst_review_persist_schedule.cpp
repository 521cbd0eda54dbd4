#include <QtTest>

#include "EventSchedule.h"
#include "data/OrganizationTable.h"
#include "data/WorldPlan.h"

// The calendar of the default world as the daily booking pass meets it.
class TestReviewPersistSchedule : public QObject
{
    Q_OBJECT

private slots:
    // Every card starts empty on 1 January (and again after each turn of the
    // year) and is filled by one booking pass a day: the first event of every
    // organization leaves a whole week of passes, the last is still in the
    // year, and the others follow in date order.
    void everyCardGetsAWeekOfBooking()
    {
        const QDate newYear(WorldPlan::Year, 1, 1);
        const QVector<OrganizationTable::Organization> &rows = OrganizationTable::organizations();
        for (int position = 0; position < rows.size(); ++position) {
            const QVector<Event> events = EventSchedule::eventsOf(rows.at(position), position);
            QVERIFY2(!events.isEmpty(), qPrintable(rows.at(position).name));
            QVERIFY2(newYear.daysTo(events.constFirst().getDate()) >= 7,
                     qPrintable(events.constFirst().getName() + " " + events.constFirst().getDate().toString()));
            QCOMPARE(events.constLast().getDate().year(), WorldPlan::Year);
            for (int i = 1; i < events.size(); ++i)
                QVERIFY(events.at(i - 1).getDate() < events.at(i).getDate());
        }
    }
};

QTEST_GUILESS_MAIN(TestReviewPersistSchedule)
#include "tst_review_persist_schedule.moc"
