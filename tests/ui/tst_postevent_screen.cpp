#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "TestSupport.h"
#include "core/LiveEventFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/FightRecordLine.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/gym/FighterPortrait.h"
#include "ui/match/Module_PostEvent.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/TopMenuBar.h"
#include "world/World.h"

namespace {

const int fighterId = 1105;
const int purse = 500;
const QString win = "Win: Bo Lee - KO(Jab) - Rd. 1(0:30) - Test League: Fight Night 1";
const QString loss = "Loss: Bo Lee - KO(Jab) - Rd. 1(0:30) - Test League: Fight Night 1";
// 95 points: one more win takes the manager past 100, a label step.
const int nearStep = 95;

QVector<int> statistics(const QMap<int, int> &values)
{
    QVector<int> out(44, 0);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        out[it.key()] = it.value();
    return out;
}

// Skill order, Punch to Intuition: Punch 4, Kick 5, Clinch Off. 10,
// Power 2, the rest 0.
QVector<int> startingSkills()
{
    QVector<int> skills(18, 0);
    skills[0] = 4;
    skills[1] = 5;
    skills[2] = 10;
    skills[6] = 2;
    return skills;
}

// What the summary may change: the gym's prestige points and money, the
// manager's 23 numbers.
struct WorldState
{
    QVector<int> gym;
    QVector<int> manager;

    static WorldState now()
    {
        WorldState state;
        World::Instance().getGymStats(state.gym);
        World::Instance().getManagerStats(state.manager);
        return state;
    }
    int money() const { return gym.value(1); }
    QVector<int> skills() const { return manager.mid(1, 18); }
    bool operator==(const WorldState &other) const { return gym == other.gym && manager == other.manager; }
};

} // namespace

// The post-event screen: the summary of the player's bout, the one update
// of the world, the way back into the day and the manager's level-up.
class TestPostEventScreen : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }
    QWidget *screen() const { return manager()->currentScreen(); }
    template <typename T>
    T *find(const QString &name) const { return ShellTest::widget<T>(screen(), name); }
    QSpinBox *skill(const QString &label) const { return find<QSpinBox>("skill_" + label); }

    Module_PostEvent *open(const QVector<int> &stats, int id, const QString &result)
    {
        manager()->changeScreen(new Module_PostEvent(stats, id, result));
        return ShellTest::screen<Module_PostEvent>();
    }
    Module_PostEvent *openLevelUp()
    {
        WorldTestAccess::freshWorld(10000, nearStep);
        World::Instance().levelUpManager(startingSkills());
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(fighterId, "Al", "Ray", 8000, "Test League", 0, 0, purse));
        Module_PostEvent *post = open(statistics({}), fighterId, win);
        find<QPushButton>("proceed_btn")->click();
        return post;
    }
    // Steps as "Punch=10": each sets that skill's box.
    void apply(const QStringList &steps)
    {
        for (const QString &step : steps) {
            const QStringList parts = step.split('=');
            skill(parts.at(0))->setValue(parts.at(1).toInt());
        }
    }

private slots:
    void init()
    {
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        World::Instance().levelUpManager(startingSkills());
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(fighterId, "Al", "Ray", 8000, "Test League", 0, 0, purse));
        manager()->showTopMenu();
        manager()->window()->show();
    }
    void cleanup() { ShellTest::stopGame(); }

    void theSummaryShowsTheBout()
    {
        Module_PostEvent *post = open(statistics({{6, 12}, {7, 30}, {8, 3}, {9, 10}, {28, 2}, {29, 4},
                                                  {42, 2}, {43, 3}}),
                                      fighterId, win);
        QVERIFY(post);
        QVERIFY(!manager()->isTopMenuVisible());
        QVERIFY(find<QWidget>("summary_page")->isVisibleTo(screen()));
        QVERIFY(!find<QWidget>("level_up_page")->isVisibleTo(screen()));
        // The hidden page's layout goes with the screen even when unused.
        QVERIFY(find<QWidget>("level_up_page")->layout());
        QCOMPARE(find<QLabel>("summary_title")->text(), QString("Match Summary"));
        QCOMPARE(find<QLabel>("stat_title")->text(), QString("Fighter Statistics (Landed/Thrown)"));
        QCOMPARE(find<QLineEdit>("stat_jabs")->text(), QString("12/30"));
        QCOMPARE(find<QLineEdit>("stat_hooks")->text(), QString("5/14"));
        QCOMPARE(find<QLineEdit>("stat_knockdowns")->text(), QString("2"));
        QCOMPARE(screen()->findChildren<QLineEdit *>().size(), 14);
        QCOMPARE(find<QPushButton>("proceed_btn")->text(), QString("Proceed"));

        QCOMPARE(find<QLabel>("summary_portrait")->size(), QSize(220, 352));
        const FighterAppearance own = FighterAppearance::of(WorldTestAccess::rosterFighters().first());
        QVERIFY(!(own == FighterAppearance()));
        QVERIFY(post->shownAppearance() == own);
    }

    void theWorldIsUpdatedOnce_data()
    {
        QTest::addColumn<int>("reputation");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("income");
        QTest::addRow("a win, no step") << 0 << win << 2 * purse;
        // A loss near the step never takes the manager up a label.
        QTest::addRow("a loss near a step") << nearStep << loss << purse;
    }
    void theWorldIsUpdatedOnce()
    {
        QFETCH(int, reputation);
        QFETCH(QString, result);
        QFETCH(int, income);
        WorldTestAccess::freshWorld(10000, reputation);
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(fighterId, "Al", "Ray", 8000, "Test League", 0, 0, purse));
        const WorldState before = WorldState::now();
        Module_PostEvent *post = open(statistics({}), fighterId, result);
        if (!post)
            return;
        const WorldState built = WorldState::now();
        QCOMPARE(built.money(), before.money() + income);
        QVERIFY(!post->levelledUp());

        find<QPushButton>("proceed_btn")->click();
        QVERIFY(WorldState::now() == built);
        // No event of the player's left today: the next-day screen.
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
    }

    void proceedPlaysTheNextEventOfTheDay()
    {
        const QDate today = World::Instance().getDate();
        const QVector<Match> card{WorldFixtures::match("Single Match", "Al Ray", fighterId, "Bo Lee", 1200, true)};
        const Event event = WorldFixtures::eventOn("Fight Night 2", "Test League", today, card, true);
        const QVector<Fighter> members{WorldFixtures::fighter(1200, "Bo", "Lee", 100, "Test League")};
        WorldTestAccess::addOrganization(WorldFixtures::organization("Test League", "National", {event}, members));

        open(statistics({}), fighterId, win);
        find<QPushButton>("proceed_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_UserEvents"));
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 1);
    }

    void aReputationStepOpensTheLevelUpPage()
    {
        WorldTestAccess::freshWorld(10000, nearStep);
        World::Instance().levelUpManager(startingSkills());
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(fighterId, "Al", "Ray", 8000, "Test League", 0, 0, purse));
        const WorldState before = WorldState::now();
        Module_PostEvent *post = open(statistics({}), fighterId, win);
        if (!post)
            return;
        QVERIFY(post->levelledUp());
        const WorldState built = WorldState::now();
        QCOMPARE(built.money(), before.money() + 2 * purse);
        QVERIFY(built.manager.first() > nearStep);

        find<QPushButton>("proceed_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_PostEvent"));
        QVERIFY(WorldState::now() == built);
        QVERIFY(!manager()->isTopMenuVisible());
        QVERIFY(find<QWidget>("level_up_page")->isVisibleTo(screen()));
        QVERIFY(!find<QWidget>("summary_page")->isVisibleTo(screen()));
        QVERIFY(!screen()->findChild<QLineEdit *>("stat_jabs"));
        QVERIFY(!screen()->findChild<QLabel *>("summary_portrait"));
        QCOMPARE(find<QLabel>("level_up_title")->text(), QString("Reputation Level Up!"));
        QCOMPARE(find<QLabel>("level_up_skill_points")->text(), QString("Skill Points: 10"));
        QCOMPARE(find<QPushButton>("proceed_btn")->text(), QString("Proceed"));
        QVERIFY(find<QPushButton>("proceed_btn")->isVisibleTo(screen()));
        QCOMPARE(screen()->findChildren<QSpinBox *>().size(), 18);
        QCOMPARE(skill("Clinch Off.")->minimum(), 10);
        QCOMPARE(skill("Clinch Off.")->maximum(), 10);
        QCOMPARE(skill("Punch")->value(), 4);
        QCOMPARE(skill("Punch")->minimum(), 4);
        QCOMPARE(skill("Punch")->maximum(), 10);
        skill("Punch")->setValue(2);
        QCOMPARE(skill("Punch")->value(), 4);
        QCOMPARE(post->skillPointsLeft(), 10);
    }

    void thePool_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("left");
        // "Kick=8/8": the box's value and maximum afterwards.
        QTest::addColumn<QStringList>("boxes");
        QTest::addRow("Punch 4 to 10, Power 2 to 6")
            << QStringList{"Punch=10", "Power=6"} << 0 << QStringList{"Punch=10/10", "Power=6/10"};
        QTest::addRow("typing 10 with 3 left")
            << QStringList{"Punch=10", "Power=3", "Kick=10"} << 0 << QStringList{"Kick=8/8", "Punch=10/10"};
        QTest::addRow("a raise at 0 is stepped back and capped")
            << QStringList{"Punch=10", "Power=6", "Movement=1"} << 0 << QStringList{"Movement=0/0", "Power=6/10"};
        QTest::addRow("lowering lifts every cap")
            << QStringList{"Punch=10", "Power=6", "Movement=1", "Power=5"} << 1
            << QStringList{"Movement=0/10", "Power=5/10", "Punch=10/10", "Kick=5/10"};
    }
    void thePool()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, left);
        QFETCH(QStringList, boxes);
        Module_PostEvent *post = openLevelUp();
        if (!post)
            return;
        apply(steps);
        QCOMPARE(post->skillPointsLeft(), left);
        QCOMPARE(find<QLabel>("level_up_skill_points")->text(), "Skill Points: " + QString::number(left));
        for (const QString &box : boxes) {
            const QStringList parts = box.split(QRegularExpression("[=/]"));
            QCOMPARE(skill(parts.at(0))->value(), parts.at(1).toInt());
            QCOMPARE(skill(parts.at(0))->maximum(), parts.at(2).toInt());
        }
    }

    void proceedingFromTheLevelUp_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("written");
        const QStringList allSpent{"Punch=10", "Power=6"};
        const QStringList question{"Accept", "Cancel"};
        const int click = int(ModalAnswer::Way::Click);
        QTest::addRow("a point left")
            << QStringList{"Punch=10", "Power=5"} << click << "Back"
            << "Please use all skill points before proceeding." << QStringList{"Back"} << false;
        QTest::addRow("accepted") << allSpent << click << "Accept" << "Are you sure you want to proceed?"
                                  << question << true;
        QTest::addRow("cancelled") << allSpent << click << "Cancel" << "Are you sure you want to proceed?"
                                   << question << false;
        QTest::addRow("escaped") << allSpent << int(ModalAnswer::Way::Escape) << QString()
                                 << "Are you sure you want to proceed?" << question << false;
    }
    void proceedingFromTheLevelUp()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, way);
        QFETCH(QString, button);
        QFETCH(QString, sentence);
        QFETCH(QStringList, buttons);
        QFETCH(bool, written);
        openLevelUp();
        apply(steps);
        const WorldState before = WorldState::now();
        QVector<int> shown;
        for (QSpinBox *spin : screen()->findChildren<QSpinBox *>())
            shown << spin->value();

        ModalAnswer answer(ModalAnswer::Way(way), button);
        find<QPushButton>("proceed_btn")->click();
        QVERIFY(answer.dialogSeen());
        QCOMPARE(answer.text(), sentence);
        QCOMPARE(answer.buttons(), buttons);
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::AWide));

        const WorldState after = WorldState::now();
        if (!written) {
            QVERIFY(after == before);
            QCOMPARE(ShellTest::currentScreenClass(), QString("Module_PostEvent"));
            QVector<int> kept;
            for (QSpinBox *spin : screen()->findChildren<QSpinBox *>())
                kept << spin->value();
            QCOMPARE(kept, shown);
            return;
        }
        QVector<int> expected = startingSkills();
        expected[0] = 10;
        expected[6] = 6;
        QCOMPARE(after.skills(), expected);
        // Reputation and record stay; only the skills change.
        QCOMPARE(after.manager.first(), before.manager.first());
        QCOMPARE(after.manager.mid(19), before.manager.mid(19));
        QCOMPARE(after.gym, before.gym);
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
    }

    void argumentsOfNoBoutOfThePlayer_data()
    {
        QTest::addColumn<int>("id");
        QTest::addRow("fighter id 0") << 0;
        QTest::addRow("an id nobody has") << 1234;
    }
    void argumentsOfNoBoutOfThePlayer()
    {
        QFETCH(int, id);
        WorldTestAccess::freshWorld(10000, nearStep);
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(fighterId, "Al", "Ray", 8000, "Test League", 0, 0, purse));
        const WorldState before = WorldState::now();
        const QVector<GymFighter> roster = WorldTestAccess::rosterFighters();
        Module_PostEvent *post = open(QVector<int>(), id, win);
        if (!post)
            return;
        QVERIFY(WorldState::now() == before);
        QVERIFY(!post->levelledUp());
        const QList<QLineEdit *> fields = screen()->findChildren<QLineEdit *>();
        QCOMPARE(fields.size(), 14);
        for (const QLineEdit *field : fields)
            QCOMPARE(field->text(), QString(field->objectName() == "stat_knockdowns" ? "0" : "0/0"));
        // Not the first roster fighter's face: nobody's.
        QVERIFY(post->shownAppearance() == FighterAppearance());

        find<QPushButton>("proceed_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
        QVERIFY(WorldState::now() == before);
        QVector<int> stateBefore, stateAfter;
        roster.first().getTrainingState(stateBefore);
        WorldTestAccess::rosterFighters().first().getTrainingState(stateAfter);
        QCOMPARE(stateAfter, stateBefore);
    }

    void aWholeEventPlayedLiveLeadsHereAndBackIntoTheDay()
    {
        DeterministicRandom dice;
        LiveEventFixtures::install(LiveEventFixtures::threeBoutCard());
        World &world = World::Instance();
        world.signContract(LiveEventFixtures::PlayerId, LiveEventFixtures::League, 4, purse);
        const QDate today = world.getDate();
        const int moneyBefore = WorldState::now().money();

        manager()->showTopMenu();
        manager()->topMenu()->button(NextDayButton)->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_UserEvents"));
        QCoreApplication::processEvents();
        for (int press = 0; press < 20000 && ShellTest::currentScreenClass() == "Module_UserEvents"; ++press)
            find<QPushButton>("next_step_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_PostEvent"));
        QVERIFY(!manager()->isTopMenuVisible());

        // The bout's own statistics: something was thrown.
        int thrown = 0;
        for (const QLineEdit *field : screen()->findChildren<QLineEdit *>())
            thrown += field->text().section('/', 1).toInt();
        QVERIFY(thrown > 0);
        // Paid once, by the record line the live screen wrote.
        QMultiMap<QDate, QString> history;
        WorldTestAccess::rosterFighters().first().getHistory(history);
        QCOMPARE(history.size(), 1);
        const bool won = FightRecordLine::parse(history.first()).isWin();
        const WorldState summary = WorldState::now();
        QCOMPARE(summary.money(), moneyBefore + (won ? 2 * purse : purse));

        // A manager of no reputation takes no step with one bout.
        find<QPushButton>("proceed_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
        QCOMPARE(WorldState::now().money(), summary.money());
        QTRY_VERIFY_WITH_TIMEOUT(ShellTest::widget<QPushButton>(screen(), "proceed_next_day_btn")->isVisible(), 5000);
        QCOMPARE(world.getDate(), today.addDays(1));
        ShellTest::widget<QPushButton>(screen(), "proceed_next_day_btn")->click();
        QVERIFY(manager()->isTopMenuVisible());
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 1);
    }
};

QTEST_MAIN(TestPostEventScreen)
#include "tst_postevent_screen.moc"
