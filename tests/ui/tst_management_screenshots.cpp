#include <QtTest>

#include <QPushButton>

#include "records/Gym.h"
#include "records/Manager.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_Management.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

// Both pages of the management screen in the window, with the build's
// resources and the default world, saved to the temporary folder for a look.
class TestManagementScreenshots : public QObject
{
    Q_OBJECT

private:
    void shoot(const QString &name) { SHOOT_WINDOW(name); }

    static void setUpGame()
    {
        World &world = World::Instance();
        world.setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, QVector<int>(Manager::IntCount, 10),
                           QStringList());
        QVector<int> gym(Gym::IntCount, 0);
        gym[Gym::MoneyIndex] = 250000;
        gym[Gym::StudentSlotsIndex] = 3;
        gym[Gym::FighterSlotsIndex] = 3;
        world.setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"}, gym,
                       {1200, 3500, 450, 9000, 800, 0, 300, 15000});
        world.loadDefaultData();
        QString name;
        for (int i = 0; i < 3; ++i)
            world.generateFighter(name, true);
        world.promoteStudent(0);
        world.generateOffers();
    }

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
        setUpGame();
        ModuleManager::Instance()->showTopMenu();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void bothPages()
    {
        ModuleManager::Instance()->changeScreen(new Module_Management);
        auto *screen = ShellTest::screen<Module_Management>();
        if (!screen)
            return;
        shoot(QStringLiteral("management_main"));
        ShellTest::widget<QPushButton>(screen, "view_students_btn")->click();
        shoot(QStringLiteral("management_students"));
        ShellTest::widget<QPushButton>(screen, "back_to_management_btn")->click();
        shoot(QStringLiteral("management_main_again"));
    }
};

QTEST_MAIN(TestManagementScreenshots)
#include "tst_management_screenshots.moc"
