#include <QtTest>

#include <QLineEdit>
#include <QListWidget>

#include "core/WorldTestAccess.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/browser/Module_Orgs.h"
#include "world/World.h"

// The organizations screen: facts, recent events, ranking, champions and an
// event's results, all read from the world at each pick.
class TestOrgsScreen : public QObject
{
    Q_OBJECT

private:
    Module_Orgs *screen = nullptr;

    QListWidget *list(const char *name) const { return ShellTest::widget<QListWidget>(screen, name); }

private slots:
    void init()
    {
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2011, 1, 15));
        using WorldFixtures::eventOn;
        const Organization planned = WorldFixtures::organization(
            "G-1", "Elite",
            {eventOn("G-1 Opener", "G-1", QDate(2011, 1, 8), {}, false, {"A beat B", "C beat D"}),
             eventOn("G-1 Today", "G-1", QDate(2011, 1, 15)),
             eventOn("G-1 Later", "G-1", QDate(2011, 2, 1))},
            {WorldFixtures::fighter(1, "Zed", "Abe", 100), WorldFixtures::fighter(2, "Al", "Moon", 150),
             WorldFixtures::fighter(3, "Ken", "Sato", 150)},
            {{"G-1 World Championship", "Zed Abe"}, {"G-1 Grand Prix", "Vacant"}});
        // Last year's events come first, in the order the organization keeps them.
        QStringList texts;
        QVector<Event> events, lastYear;
        Organization::Roster roster;
        QMap<QString, QString> titles;
        planned.getData(texts, events, lastYear, roster, titles);
        lastYear = {eventOn("G-1 Finale", "G-1", QDate(2010, 12, 20), {}, false, {"E beat F"}),
                    eventOn("G-1 Summer", "G-1", QDate(2010, 6, 1))};
        Organization g1;
        g1.setData(texts, events, lastYear, roster, titles);
        WorldTestAccess::addOrganization(g1);
        WorldTestAccess::addOrganization(WorldFixtures::organization("Genesis", "Regional"));
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Pat", "Lee", 120, "G-1"));
        ModuleManager::Instance()->changeScreen(new Module_Orgs);
        screen = ShellTest::currentScreenAs<Module_Orgs>();
        QVERIFY(screen);
    }

    void cleanup() { ShellTest::stopGame(); }

    void opensOnTheFirstOrganization()
    {
        QCOMPARE(ShellTest::listTexts(list("org_list")), QStringList({"G-1", "Genesis"}));
        QCOMPARE(list("org_list")->currentRow(), 0);
        QCOMPARE(ShellTest::widget<QLineEdit>(screen, "org_prestige_field")->text(), QString("Elite"));
        QCOMPARE(list("results_list")->count(), 0);
                QCOMPARE(ShellTest::listTexts(list("recent_events_list")),
                 QStringList({"Mon Dec 20 2010|G-1 Finale", "Tue Jun 1 2010|G-1 Summer",
                              "Sat Jan 8 2011|G-1 Opener"}));
        // Numbered without gaps; equal standings on consecutive numbers, the player's among them.
        QCOMPARE(ShellTest::listTexts(list("rankings_list")),
                 QStringList({"1. Zed Abe", "2. Pat Lee", "3. Al Moon", "4. Ken Sato"}));
        QCOMPARE(ShellTest::listTexts(list("champions_list")),
                 QStringList({"G-1 Grand Prix\nVacant\n\n", "G-1 World Championship\nZed Abe\n\n"}));
    }

    void anEventsResults_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("last year") << 0 << QStringList{"E beat F"};
        QTest::addRow("no result lines") << 1 << QStringList{};
        QTest::addRow("this year") << 2 << QStringList{"A beat B", "C beat D"};
    }

    void anEventsResults()
    {
        QFETCH(int, row);
        QFETCH(QStringList, lines);
        list("recent_events_list")->setCurrentRow(row);
        QCOMPARE(ShellTest::listTexts(list("results_list")), lines);
    }

    void anEntryNamingNoEventListsNothing()
    {
        screen->showEventResults(QString());
        QCOMPARE(list("results_list")->count(), 0);
        screen->showEventResults("Sat Jan 9 2011|G-1 Opener");
        QCOMPARE(list("results_list")->count(), 0);
    }

    void anotherOrganizationEmptiesTheResults()
    {
        list("recent_events_list")->setCurrentRow(2);
        QVERIFY(list("results_list")->count() > 0);
        list("org_list")->setCurrentRow(1);
        QCOMPARE(list("results_list")->count(), 0);
        QCOMPARE(list("recent_events_list")->count(), 0);
        QCOMPARE(list("rankings_list")->count(), 0);
        QCOMPARE(ShellTest::widget<QLineEdit>(screen, "org_name_field")->text(), QString("Genesis"));
    }
};

QTEST_MAIN(TestOrgsScreen)
#include "tst_orgs_screen.moc"
