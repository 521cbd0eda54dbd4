#include <QtTest>

#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace WorldFixtures;

// Organizations through the world: the calendar, today's events, results,
// title holders and the turn of the year.
class TestWorldOrganizations : public QObject
{
    Q_OBJECT

private:
    static QStringList namesOf(const QVector<Event> &events)
    {
        QStringList names;
        for (const Event &event : events)
            names << event.getName();
        return names;
    }

    // Today is 1 March 2011. Org A fights today without and with the
    // player's fighters (twice: once more for the calendar), org B has one
    // unseen event and one of the player's already fought.
    static World &buildCalendar()
    {
        World &world = WorldTestAccess::freshWorld();
        const QDate today(2011, 3, 1);
        WorldTestAccess::setDate(today);
        WorldTestAccess::addOrganization(organization("A", "National", {
            eventOn("A Past", "A", QDate(2011, 2, 28)),
            eventOn("A Unseen", "A", today),
            eventOn("A Player", "A", today, {}, true),
            eventOn("A Later", "A", today.addDays(1)),
        }));
        WorldTestAccess::addOrganization(organization("B", "Regional", {
            eventOn("B Unseen", "B", today),
            eventOn("B Player Done", "B", today, {}, true, {"Jo Park defeated Bo Diaz"}),
        }));
        return world;
    }

private slots:
    void todaysEventsWithAndWithoutThePlayersFighters()
    {
        World &world = buildCalendar();
        QCOMPARE(namesOf(world.getTodaysEvents()), (QStringList{"A Unseen", "B Unseen"}));
        QCOMPARE(namesOf(world.getTodaysPlayerEvents()), QStringList{"A Player"});

        world.storeOrgEventResults({"Jo Park defeated Bo Diaz by KO(Jab) in 1:05 of Round 1."}, "A Player", "A");

        QVERIFY(world.getTodaysPlayerEvents().isEmpty());
        QCOMPARE(namesOf(world.getTodaysEvents()), (QStringList{"A Unseen", "B Unseen"}));
    }

    void eventsOnADayTakeTheFirstOfEachOrganization()
    {
        World &world = buildCalendar();
        QCOMPARE(namesOf(world.getEventsOn(QDate(2011, 3, 1))), (QStringList{"A Unseen", "B Unseen"}));
        QCOMPARE(namesOf(world.getEventsOn(QDate(2011, 3, 2))), QStringList{"A Later"});
        QVERIFY(world.getEventsOn(QDate(2011, 3, 3)).isEmpty());
    }

    void eventResultsKeepOnlyEventsAlreadyPast()
    {
        World &world = buildCalendar();
        QStringList texts;
        QVector<Event> events, lastYear;
        QMultiMap<int, Fighter> roster;
        QMap<QString, QString> titles;
        world.getOrgEventResults("A", texts, events, lastYear, roster, titles);
        QCOMPARE(namesOf(events), QStringList{"A Past"});
        QCOMPARE(texts.first(), QString("A"));

        texts.clear();
        events.clear();
        world.getOrgEventResults("Nobody", texts, events, lastYear, roster, titles);
        QVERIFY(texts.isEmpty());
        QVERIFY(events.isEmpty());
    }

    void updateChampionship_data()
    {
        QTest::addColumn<QString>("organizationName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("playerFighter");
        QTest::addColumn<QString>("holder");
        QTest::addRow("organization's fighter") << "G1" << "G1 World Championship" << 1200 << false << "Ken Sato";
        QTest::addRow("player's fighter still signed") << "G1" << "G1 World Championship" << 1101 << true
                                                       << "Jo Park";
        QTest::addRow("contract just ended, world title") << "G1" << "G1 World Championship" << 1102 << true
                                                          << "Vacant";
        QTest::addRow("contract just ended, other title") << "G1" << "G1 Grand Prix 2011" << 1102 << true
                                                          << "Al Ross";
        QTest::addRow("unknown organization") << "G2" << "G1 World Championship" << 1200 << false << "Old Champ";
        QTest::addRow("unknown fighter") << "G1" << "G1 World Championship" << 1300 << false << "Old Champ";
        QTest::addRow("player's id asked of the organization") << "G1" << "G1 World Championship" << 1101 << false
                                                               << "Old Champ";
    }

    void updateChampionship()
    {
        QFETCH(QString, organizationName);
        QFETCH(QString, title);
        QFETCH(int, id);
        QFETCH(bool, playerFighter);
        QFETCH(QString, holder);
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("G1", "Elite", {}, {fighter(1200, "Ken", "Sato", 10, "G1")},
                                                      {{"G1 World Championship", "Old Champ"},
                                                       {"G1 Grand Prix 2011", "Old Champ"}}));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, "G1"));
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 100, "Free Agent"));

        world.updateChampionship(organizationName, title, id, playerFighter);

        QCOMPARE(WorldTestAccess::titleHolder("G1", title), holder);
    }

};

QTEST_GUILESS_MAIN(TestWorldOrganizations)
#include "tst_world_organizations.moc"
