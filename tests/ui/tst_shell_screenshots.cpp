#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "core/FighterBuilder.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "ui/ModalAnswer.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_NextDay.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/TopMenuBar.h"
#include "ui/gym/Module_Training.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_Help.h"
#include "ui/shell/Module_NewGame.h"
#include "ui/shell/Module_SaveLoad.h"
#include "world/World.h"

// Pictures of the help, save/load and new-game screens as the player sees
// them, with the resources the build wrote, saved to the temporary folder
// for a look.
class TestShellScreenshots : public QObject
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

    void helpScreen()
    {
        ModuleManager::Instance()->changeScreen(new Module_Help);
        auto *help = ShellTest::screen<Module_Help>();
        if (!help)
            return;
        QVERIFY(!help->shownPicture().isEmpty());
        shoot(QStringLiteral("help_newgame"));
        ShellTest::widget<QComboBox>(help, "help_screen_chooser")->setCurrentIndex(8);
        ShellTest::widget<QComboBox>(help, "help_topic_chooser")->setCurrentIndex(5);
        shoot(QStringLiteral("help_combat"));
    }

    // The news of a day with a tournament card and a title fight.
    void nextDayNews()
    {
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Al", "Ray", 8000));
        LeagueFixtures::addTournamentAndTitleCard(World::Instance().getDate());
        ModuleManager::Instance()->changeScreen(new Module_NextDay);
        QTRY_VERIFY_WITH_TIMEOUT(
            ShellTest::widget<QPushButton>(ModuleManager::Instance()->currentScreen(), "proceed_next_day_btn")
                ->isVisible(),
            5000);
        shoot(QStringLiteral("nextday_news"));
    }

    // A short name and the longest one, cut to the list's width; the save
    // question quoting a flag.
    void saveLoadScreens()
    {
        const QStringList saves = {QStringLiteral("Career 1"), QString(64, QLatin1Char('W'))};
        for (const QString &name : saves)
            ShellTest::writeFile(Module_SaveLoad::savePath(name), "saved");
        ModuleManager::Instance()->changeScreen(new Module_SaveLoad);
        shoot(QStringLiteral("saveload_mainmenu"));
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->changeScreen(new Module_SaveLoad);
        shoot(QStringLiteral("saveload_ingame"));

        QWidget *screen = ModuleManager::Instance()->currentScreen();
        const QString flag = QString::fromUcs4(U"\U0001F1EE\U0001F1EA");
        ShellTest::widget<QLineEdit>(screen, "save_name_edit")->setText(QString(28, QLatin1Char('c')) + flag);
        ModalAnswer question(QStringLiteral("Cancel"));
        question.lookFirst([](QWidget *dialog) {
            dialog->grab().save(ScreenShots::folder() + QStringLiteral("saveload_flag_question.png"));
        });
        ShellTest::button(screen, "Save", ShellTest::HiddenButtons::Included)->click();
        QVERIFY(question.answered());
        for (const QString &name : saves)
            ShellTest::writeFile(Module_SaveLoad::savePath(name), QByteArray());
        ModuleManager::Instance()->hideTopMenu();
    }

    void newGamePages()
    {
        ModuleManager::Instance()->changeScreen(new Module_NewGame);
        auto *screen = ShellTest::screen<Module_NewGame>();
        if (!screen)
            return;
        ShellTest::widget<QComboBox>(screen, "manager_region")->setCurrentIndex(2);
        shoot(QStringLiteral("newgame_manager"));
        ShellTest::button(screen, "Advance to Gym Creation", ShellTest::HiddenButtons::Included)->click();
        auto *primary = ShellTest::widget<QComboBox>(screen, "gym_primary_colour");
        primary->setCurrentIndex(9);
        emit primary->activated(9);
        auto *secondary = ShellTest::widget<QComboBox>(screen, "gym_secondary_colour");
        secondary->setCurrentIndex(5);
        emit secondary->activated(5);
        shoot(QStringLiteral("newgame_gym"));
    }

    void trainingPages()
    {
        WorldTestAccess::freshWorld(250000);
        GymFighter fighter = WorldFixtures::gymFighter(1100, "Al", "Ray", 100);
        FighterBuilder(fighter)
            .numbers({{Fighter::BodyImageIndex, 3}, {Fighter::HeadImageIndex, 2}, {Fighter::FaceImageIndex, 2}})
            .into(fighter);
        QVector<int> progress(GymFighter::ProgressCount, 0);
        progress.last() = TrainingType::KettleBells;
        fighter.setTrainingData(QVector<int>(GymFighter::StateCount, 0), progress,
                                {"Jan 1: Worked on the heavy bag.", "Jan 2: Rested."});
        WorldTestAccess::addRosterFighter(fighter);
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->changeScreen(new Module_Training);
        shoot(QStringLiteral("training_gym"));
        ShellTest::widget<QPushButton>(ModuleManager::Instance()->currentScreen(), "to_training_plans_button")->click();
        shoot(QStringLiteral("training_plans"));
        ModuleManager::Instance()->hideTopMenu();
    }

    void dialogOverTheGame()
    {
        WorldTestAccess::freshWorld(250000);
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->changeScreen(new Module_Training);
        QWidget *window = ModuleManager::Instance()->window();
        window->show();
        QCoreApplication::processEvents();
        // The dialog is a window of its own: painted onto the game's picture
        // where it stands.
        QPixmap shot;
        GameDialog dialog(DialogStyle::B);
        QTimer::singleShot(50, [&] {
            shot = window->grab();
            QPainter painter(&shot);
            painter.drawPixmap(dialog.geometry().topLeft() - window->geometry().topLeft(), dialog.grab());
            dialog.reject();
        });
        dialog.ask(QStringLiteral("Are you sure you want to upgrade this equipment? It will cost $500,000. "));
        QVERIFY(shot.save(ScreenShots::folder() + QStringLiteral("dialog_over_game.png")));
        ModuleManager::Instance()->hideTopMenu();
    }

    void newsAfterADay()
    {
        WorldTestAccess::freshWorld(250000);
        for (int i = 0; i < 30; ++i)
            WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100 + i, "Al", QString::number(i), 100 + i));
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->topMenu()->button(NextDayButton)->click();
        QWidget *screen = ModuleManager::Instance()->currentScreen();
        QTRY_VERIFY_WITH_TIMEOUT(ShellTest::widget<QPushButton>(screen, "proceed_next_day_btn")->isVisible(), 5000);
        shoot(QStringLiteral("news_after_a_day"));
        ModuleManager::Instance()->hideTopMenu();
    }
};

QTEST_MAIN(TestShellScreenshots)
#include "tst_shell_screenshots.moc"
