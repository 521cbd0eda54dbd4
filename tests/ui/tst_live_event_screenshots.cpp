#include <QtTest>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "TestSupport.h"
#include "core/EventBuilder.h"
#include "core/FighterBuilder.h"
#include "core/LiveEventFixtures.h"
#include "core/WorldTestAccess.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

// Pictures of the live event screen as the player sees it (tale of the
// tape with the timer running and stopped, a round, the corner, the
// closing commentary), with the resources the build wrote, saved to the
// temporary folder for a look.
class TestLiveEventScreenshots : public QObject
{
    Q_OBJECT

private:
    void shoot(const QString &name) { SHOOT_WINDOW(name); }

    Module_UserEvents *screen() const { return ShellTest::screen<Module_UserEvents>(); }
    QPushButton *nextStep() const { return ShellTest::widget<QPushButton>(screen(), "next_step_btn"); }

    // A league with a logo of the build's and fighters with pictures.
    Event install()
    {
        World &world = WorldTestAccess::freshWorld();
        LiveEventFixtures::setManagerAbilities(4, 5);
        const QString league = QStringLiteral("Centurion");
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1102, "Al", "Ray", 250, league));
        const Fighter opponent =
            FighterBuilder(WorldFixtures::fighter(1205, "Bartholomew", "Kowalczyk", 100, league)).record(12, 3).build();
        const QVector<Match> card{
            WorldFixtures::match(MatchType::Single, "Cy Orr", 1203, "Di Poe", 1204),
            WorldFixtures::match(MatchType::Championship, "Al Ray", 1102, "Bartholomew Kowalczyk", 1205, true)};
        const Event event = EventBuilder("Centurion: Ray vs. Kowalczyk", league, world.getDate())
                                .card(card)
                                .withPlayerFighter()
                                .title("Centurion World Championship")
                                .build();
        WorldTestAccess::addOrganization(WorldFixtures::organization(
            league, "Elite", {event},
            {opponent, WorldFixtures::fighter(1203, "Cy", "Orr", 200, league),
             WorldFixtures::fighter(1204, "Di", "Poe", 300, league)}));
        return world.getTodaysPlayerEvents().first();
    }

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void theEventPageByPage()
    {
        DeterministicRandom dice(9000);
        ModuleManager::Instance()->changeScreen(new Module_UserEvents(install()));
        ModuleManager::Instance()->window()->show();
        Module_UserEvents *live = screen();
        if (!live)
            return;
        for (int i = 0; i < 20000 && live->getNextMatch() < 1; ++i)
            nextStep()->click();
        // "Sim to End" after the first bout: the timer brings up the tale of
        // the tape and runs on at its pace, with "Stop Timer".
        ShellTest::widget<QPushButton>(live, "sim_to_end_btn")->click();
        auto *timer = ShellTest::widget<QTimer>(live, "step_timer");
        QMetaObject::invokeMethod(timer, "timeout");
        QMetaObject::invokeMethod(timer, "timeout");
        shoot(QStringLiteral("live_tale_of_tape_running"));
        ShellTest::widget<QPushButton>(live, "start_timer_btn")->click();
        shoot(QStringLiteral("live_tale_of_tape"));
        nextStep()->click();
        for (int i = 0; i < 40; ++i)
            nextStep()->click();
        shoot(QStringLiteral("live_combat"));
        // With the game's style sheet the live instructions show whole rows.
        const auto *instructions = ShellTest::widget<QListWidget>(live, "instruction_list");
        QVERIFY(instructions->isVisible());
        QVERIFY2(ShellTest::cutRows(instructions).isEmpty(), qPrintable(ShellTest::cutRows(instructions)));
        for (int i = 0; i < 20000 && nextStep()->text() == QLatin1String("Next Step") && !live->isMatchOver(); ++i)
            nextStep()->click();
        // The corner's strategies, some wrapped on two lines, show whole too.
        QCOMPARE(nextStep()->text(), QString("Tend to Fighter"));
        nextStep()->click();
        shoot(QStringLiteral("live_corner"));
        const auto *strategies = ShellTest::widget<QListWidget>(live, "strategy_list");
        QVERIFY2(ShellTest::cutRows(strategies).isEmpty(), qPrintable(ShellTest::cutRows(strategies)));
        for (int i = 0; i < 20000 && live->getNextMatch() < 2; ++i)
            nextStep()->click();
        shoot(QStringLiteral("live_conclusion"));
    }
};

QTEST_MAIN(TestLiveEventScreenshots)
#include "tst_live_event_screenshots.moc"
