#include <QtTest>

#include <QComboBox>
#include <QLabel>

#include "core/FighterBuilder.h"
#include "core/WorldTestAccess.h"
#include "records/Manager.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

// Pictures of the profile screen's two pages as the player sees them, with
// the resources the build wrote, saved to the temporary folder for a look.
class TestGymProfileScreenshots : public QObject
{
    Q_OBJECT

private:
    void shoot(const QString &name) { SHOOT_WINDOW(name); }

    static QImage portraitOf(QWidget *screen)
    {
        return ShellTest::widget<QLabel>(screen, "portrait_label")->pixmap(Qt::ReturnByValue).toImage();
    }

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void bothPages()
    {
        World &world = WorldTestAccess::freshWorld();
        QVector<int> numbers(Manager::IntCount, 0);
        for (int n = Manager::FirstSkillIndex; n <= Manager::IntuitionIndex; ++n)
            numbers[n] = n % 11;
        numbers[Manager::WinsIndex] = 12;
        numbers[Manager::LossesIndex] = 3;
        world.setupManager({"Samantha", "Cole-Whitaker", "Europe", "England", "Well Known"}, numbers,
                           {"Manager of the Year 2010", "Best Corner - Elite League"});
        GymFighter first = WorldFixtures::gymFighter(1103, "Alexander", "Montgomery-Reyes", 100, "G1");
        FighterBuilder(first)
            .record(14, 2)
            .titles({"G1 World Championship - from Sat Jan 15 2011"})
            .result(QDate(2011, 1, 15), "Win: Ken Sato - KO(Hook) - Rd. 2(1:05) - G1: New Year")
            .into(first);
        WorldTestAccess::addRosterFighter(first);
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1110, "Bo", "Kim", 200));
        world.setFighterBio("Came up through the amateur ranks in Osaka.", 0);

        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->changeScreen(new Module_Profile);
        auto *screen = ShellTest::screen<Module_Profile>();
        if (!screen)
            return;
        shoot(QStringLiteral("profile_manager"));

        screen->changeToFighterScreen();
        shoot(QStringLiteral("profile_fighter"));
        // Another fighter, another portrait.
        const QImage firstPortrait = portraitOf(screen);
        ShellTest::widget<QComboBox>(screen, "fighter_combo")->setCurrentIndex(1);
        QVERIFY(!firstPortrait.isNull());
        QVERIFY(portraitOf(screen) != firstPortrait);
        ModuleManager::Instance()->hideTopMenu();
    }
};

QTEST_MAIN(TestGymProfileScreenshots)
#include "tst_gym_profile_screenshots.moc"
