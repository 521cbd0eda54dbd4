#include <QtTest>

#include <QListWidget>

#include "core/WorldTestAccess.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_Events.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

// A picture of the events screen with an event chosen, as the player sees
// it with the resources the build wrote, saved to the temporary folder for
// a look.
class TestEventsScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void anEventChosen()
    {
        WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2011, 1, 1));
        const QVector<Match> card{WorldFixtures::match("Tournament Qualifier", "Bo Lee", 1200, "Cy Vo", 1201),
                                  WorldFixtures::match("Single Match", "Al Ray", 1101),
                                  WorldFixtures::match("Championship Match", "Dan Moreno-Hill", 1300,
                                                       "Ed Kowalczyk", 1301)};
        WorldTestAccess::addOrganization(WorldFixtures::organization(
            "EPIC", "National",
            {WorldFixtures::eventOn("EPIC: New Year Knockout", "EPIC",
                                    QDate(2011, 1, 1), card)}));
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1101, "Al", "Ray", 8000));
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->changeScreen(new Module_Events);
        ShellTest::widget<QListWidget>(ModuleManager::Instance()->currentScreen(), "day_events_list")->setCurrentRow(0);

        SHOOT_WINDOW(QStringLiteral("events_chosen"));
    }
};

QTEST_MAIN(TestEventsScreenshots)
#include "tst_events_screenshots.moc"
