#include <QtTest>

#include <QPushButton>
#include <QSpinBox>

#include "core/WorldTestAccess.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/match/Module_PostEvent.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

// Pictures of the post-event summary and the level-up page as the player
// sees them, with the resources the build wrote, saved to the temporary
// folder for a look.
class TestPostEventScreenshots : public QObject
{
    Q_OBJECT

private:
    void shoot(const QString &name) { SHOOT_WINDOW(name); }

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void summaryAndLevelUp()
    {
        // 95 reputation points: the win below takes the manager up a step.
        WorldTestAccess::freshWorld(10000, 95);
        World::Instance().levelUpManager({4, 5, 10, 3, 2, 6, 2, 8, 1, 0, 7, 3, 9, 4, 5, 2, 1, 10});
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1102, "Al", "Ray", 8000, "Test League"));
        QVector<int> statistics(44, 0);
        for (int position = 6; position < 44; ++position)
            statistics[position] = position % 2 ? 2 * position + 100 : position;
        ModuleManager::Instance()->changeScreen(new Module_PostEvent(
            statistics, 1102, "Win: Bo Lee - KO(Jab) - Rd. 1(0:30) - Test League: Fight Night 1"));
        shoot(QStringLiteral("postevent_summary"));

        QWidget *screen = ModuleManager::Instance()->currentScreen();
        ShellTest::widget<QPushButton>(screen, "proceed_btn")->click();
        ShellTest::widget<QSpinBox>(screen, "skill_Punch")->setValue(8);
        shoot(QStringLiteral("postevent_levelup"));
    }
};

QTEST_MAIN(TestPostEventScreenshots)
#include "tst_postevent_screenshots.moc"
