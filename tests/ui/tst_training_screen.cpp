#include <QtTest>

#include <QComboBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "ui/AnswerSequence.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/gym/Module_Training.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

const QString question = QStringLiteral("Are you sure you want to upgrade this equipment? It will cost ");
const QString gymQuestion = QStringLiteral("Are you sure you want to upgrade your gym? It will cost ");
const QString success = QStringLiteral("Successfully upgraded.");
const QString noMoney = QStringLiteral("Could not upgrade. Be sure that you have enough money.");
const QString atMax = QStringLiteral("Already at max level.");

// A gym of the given money whose level and every equipment level is `level`.
void setGym(int money, int gymLevel, int equipmentLevel)
{
    QVector<int> numbers(Gym::IntCount, equipmentLevel);
    numbers[Gym::PrestigePointsIndex] = 0;
    numbers[Gym::MoneyIndex] = money;
    numbers[Gym::LevelIndex] = gymLevel;
    numbers[Gym::StudentSlotsIndex] = 3;
    numbers[Gym::FighterSlotsIndex] = 2;
    World::Instance().setupGym({"Iron Gym", "Boxing", "Red", "Black", "Local Hangout"}, numbers,
                               QVector<int>(Gym::MonthCount, 0));
}

void setIntuition(int intuition)
{
    QVector<int> numbers(Manager::IntCount, 0);
    numbers[Manager::IntuitionIndex] = intuition;
    World::Instance().setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, numbers, QStringList());
}

void addFighter(int id, const QString &firstName, int plan, const QStringList &log = QStringList(),
                int learningSpeed = 0, int fatigueLevel = 0)
{
    GymFighter fighter = WorldFixtures::gymFighter(id, firstName, "Ray", 100);
    QVector<int> progress(GymFighter::ProgressCount, 0);
    progress.last() = plan;
    fighter.setTrainingData({learningSpeed, 0, 0, fatigueLevel, 0, 0, 0}, progress, log);
    WorldTestAccess::addRosterFighter(fighter);
}

QVector<int> gymNumbers()
{
    QVector<int> numbers;
    World::Instance().getGymStats(numbers);
    return numbers;
}

int storedPlan(int position)
{
    QVector<int> state, progress;
    QStringList log;
    World::Instance().getTrainingData(state, progress, log, position);
    return progress.last();
}

void writePicture(const QString &path, const QSize &size, const QColor &colour)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

} // namespace

// The training screen: the gym page's figures and purchases through the
// screen's dialog, and the plans page storing each fighter's plan.
class TestTrainingScreen : public QObject
{
    Q_OBJECT

private:
    QWidget *screen() const { return ModuleManager::Instance()->currentScreen(); }
    template <typename Widget>
    Widget *find(const QString &name) const { return ShellTest::widget<Widget>(screen(), name); }
    QString text(const QString &name) const
    {
        if (auto *edit = screen()->findChild<QLineEdit *>(name))
            return edit->text();
        return find<QLabel>(name)->text();
    }
    void open() { ModuleManager::Instance()->changeScreen(new Module_Training); }
    void toPlans() { find<QPushButton>("to_training_plans_button")->click(); }
    QList<int> plansDown() const
    {
        QList<int> down;
        for (int plan = 0; plan < TrainingType::Count; ++plan) {
            if (find<QPushButton>(QStringLiteral("plan_button_%1").arg(plan))->isDown())
                down << plan;
        }
        return down;
    }

private slots:
    void initTestCase()
    {
        // Pictures for the first equipment and the gym's colours only.
        writePicture(ResourcePaths::trainingIcon(TrainingType::HeavyBag), QSize(8, 8), Qt::green);
        writePicture(ResourcePaths::gymShorts("Red"), QSize(40, 40), Qt::red);
        writePicture(ResourcePaths::gymTrim("Black"), QSize(10, 10), Qt::black);
    }

    void init()
    {
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        setGym(1234567, 0, 0);
        ModuleManager::Instance()->showTopMenu();
    }
    void cleanup() { ShellTest::stopGame(); }

    void gymPageShowsTheGym()
    {
        open();
        QCOMPARE(text("gym_name_edit"), QString("Iron Gym"));
        QCOMPARE(text("gym_style_edit"), QString("Boxing"));
        QCOMPARE(text("gym_prestige_edit"), QString("Local Hangout"));
        QCOMPARE(text("money_edit"), QString("1234567"));
        QCOMPARE(text("gym_level_label"), QString("Gym Level: 0"));
        QCOMPARE(text("student_slots_label"), QString("Student Slots: 3"));
        QCOMPARE(text("fighter_slots_label"), QString("Fighter Slots: 2"));
        QCOMPARE(screen()->findChildren<QLabel *>(QRegularExpression("^equipment_label_")).size(), 21);
        QCOMPARE(text("equipment_label_0"), QString("Heavy Bag - Level 0\nImproves Cross, Body Punching and Jab"));
        QCOMPARE(text("equipment_label_20"),
                 QString("Rattan Sticks - Level 0\nImproves Recovery, Toughness and Body Guard"));
        QCOMPARE(find<QPushButton>("equipment_button_2")->text(), QString("Upgrade Speed bag"));
        QVERIFY(!find<QLabel>("equipment_icon_0")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(find<QLabel>("equipment_icon_1")->pixmap(Qt::ReturnByValue).isNull());
        // The trim is painted over the shorts' top-left corner.
        const QImage colours = find<QLabel>("gym_colours_label")->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(colours.size(), QSize(40, 40));
        QCOMPARE(colours.pixelColor(2, 2), QColor(Qt::black));
        QVERIFY(colours.pixelColor(30, 30).red() > 200);
        QCOMPARE(find<QListWidget>("roster_list")->count(), 0);
    }

    void purchases_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("money");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("bought");
        const QStringList both{"Accept", "Accept"};
        QTest::addRow("equipment at 9, price in hand")
            << "equipment_button_4" << 9 << 500000 << both << QStringList{question + "$500,000. ", success} << true;
        QTest::addRow("equipment, one dollar short")
            << "equipment_button_4" << 9 << 499999 << both << QStringList{question + "$500,000. ", noMoney} << false;
        QTest::addRow("equipment, cancelled")
            << "equipment_button_4" << 0 << 5000 << QStringList{"Cancel"} << QStringList{question + "$1,000. "} << false;
        QTest::addRow("equipment at 10")
            << "equipment_button_4" << 10 << 9000000 << QStringList{"Cancel"} << QStringList{atMax} << false;
        QTest::addRow("equipment below 0, an edited save")
            << "equipment_button_4" << -1 << 9000000 << QStringList{"Cancel"} << QStringList{atMax} << false;
        QTest::addRow("gym at 9, price in hand")
            << "upgrade_gym_button" << 9 << 2000000 << both << QStringList{gymQuestion + "$2,000,000. ", success} << true;
        QTest::addRow("gym, one dollar short")
            << "upgrade_gym_button" << 9 << 1999999 << both << QStringList{gymQuestion + "$2,000,000. ", noMoney} << false;
        QTest::addRow("gym below 0, an edited save")
            << "upgrade_gym_button" << -1 << 9000000 << QStringList{"Cancel"} << QStringList{atMax} << false;
    }

    void purchases()
    {
        QFETCH(QString, button);
        QFETCH(int, level);
        QFETCH(int, money);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, texts);
        QFETCH(bool, bought);
        const bool gym = button == "upgrade_gym_button";
        setGym(money, gym ? level : 0, gym ? 0 : level);
        open();
        const QVector<int> before = gymNumbers();
        {
            AnswerSequence sequence(answers);
            find<QPushButton>(button)->click();
            QCOMPARE(sequence.texts(), texts);
        }
        const QVector<int> after = gymNumbers();
        QCOMPARE(after != before, bought);
        QCOMPARE(text("money_edit"), QString::number(after.at(Gym::MoneyIndex)));
        if (bought && gym) {
            QCOMPARE(text("money_edit"), QString("0"));
            QCOMPARE(text("gym_level_label"), QString("Gym Level: 10"));
            QCOMPARE(text("student_slots_label"), QString("Student Slots: 5"));
            QCOMPARE(text("fighter_slots_label"), QString("Fighter Slots: 3"));
        } else if (bought) {
            QVERIFY(text("equipment_label_4").startsWith("Wall Bag - Level 10\n"));
        }
    }

    void theMessagesShowTheirOwnButtons()
    {
        setGym(9000000, 0, 10);
        open();
        AnswerSequence sequence({"Cancel", "Accept", "Accept"});
        find<QPushButton>("equipment_button_0")->click();
        setGym(9000000, 0, 0);
        find<QPushButton>("equipment_button_1")->click();
        const QList<QStringList> expected{{"Cancel"}, {"Accept", "Cancel"}, {"Accept"}};
        QCOMPARE(sequence.buttons(), expected);
    }

    void whatEachPurchaseRewrites()
    {
        open();
        // The world moves on behind the page: only a rewrite shows it.
        setGym(9000000, 0, 5);
        {
            AnswerSequence sequence({"Accept", "Accept"});
            find<QPushButton>("upgrade_gym_button")->click();
        }
        QCOMPARE(text("gym_level_label"), QString("Gym Level: 1"));
        QVERIFY(text("equipment_label_7").startsWith("Shadow Boxing - Level 0\n"));
        {
            AnswerSequence sequence({"Accept", "Accept"});
            find<QPushButton>("equipment_button_3")->click();
        }
        QVERIFY(text("equipment_label_3").startsWith("Banana Bag - Level 6\n"));
        for (int k : {0, 7, 20})
            QVERIFY(text(QStringLiteral("equipment_label_%1").arg(k)).contains(" - Level 5\n"));
    }

    void thePlansPageAndBackRebuildTheGymPage()
    {
        open();
        setGym(777, 4, 0);
        addFighter(1100, "Al", 0);
        toPlans();
        QVERIFY(!screen()->findChild<QLineEdit *>("money_edit"));
        find<QPushButton>("back_to_gym_info_button")->click();
        QCOMPARE(screen()->findChildren<QLineEdit *>("money_edit").size(), 1);
        QCOMPARE(text("money_edit"), QString("777"));
        QCOMPARE(text("gym_level_label"), QString("Gym Level: 4"));
        QCOMPARE(ShellTest::listTexts(find<QListWidget>("roster_list")).value(0), QString("Al Ray"));
        QVERIFY(!screen()->findChild<QComboBox *>("fighter_combo"));
    }

    void aStoredPlanPressesItsButton_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("pressed");
        QTest::addRow("kettle bells") << 14 << 14;
        QTest::addRow("rest") << 0 << 0;
        QTest::addRow("rattan sticks") << 21 << 21;
        QTest::addRow("unknown, an edited save") << 30 << 0;
        QTest::addRow("negative, an edited save") << -2 << 0;
    }

    void aStoredPlanPressesItsButton()
    {
        QFETCH(int, stored);
        QFETCH(int, pressed);
        addFighter(1100, "Al", stored);
        open();
        toPlans();
        QCOMPARE(plansDown(), QList<int>{pressed});
        if (stored == TrainingType::KettleBells) {
            auto *grid = qobject_cast<QGridLayout *>(find<QWidget>("plan_button_14")->parentWidget()->layout());
            QVERIFY(grid);
            int row = -1, column = -1, rows = 0, columns = 0;
            grid->getItemPosition(grid->indexOf(find<QWidget>("plan_button_14")), &row, &column, &rows, &columns);
            QCOMPARE(QPoint(column, row), QPoint(1, 8));
        }
    }

    void aClickStoresThePlanAndStaysPressed()
    {
        addFighter(1100, "Al", 3);
        addFighter(1200, "Bo", 7);
        open();
        QWidget *window = ModuleManager::Instance()->window();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        toPlans();
        QTest::mouseClick(find<QPushButton>("plan_button_9"), Qt::LeftButton);
        QCOMPARE(storedPlan(0), 9);
        find<QLineEdit>("fighter_name_edit")->setFocus();
        QApplication::processEvents();
        QCOMPARE(plansDown(), QList<int>{9});

        auto *combo = find<QComboBox>("fighter_combo");
        combo->setCurrentIndex(1);
        QCOMPARE(text("fighter_name_edit"), QString("Bo Ray"));
        QCOMPARE(plansDown(), QList<int>{7});
        combo->setCurrentIndex(0);
        QCOMPARE(plansDown(), QList<int>{9});
        QCOMPARE(storedPlan(1), 7);

        combo->setCurrentIndex(1);
        find<QPushButton>("back_to_gym_info_button")->click();
        toPlans();
        QCOMPARE(find<QComboBox>("fighter_combo")->currentIndex(), 0);
        QCOMPARE(text("fighter_name_edit"), QString("Al Ray"));
    }

    void whatTheManagerCanTell_data()
    {
        QTest::addColumn<int>("intuition");
        QTest::addColumn<QString>("learning");
        QTest::addColumn<QString>("fatigue");
        QTest::addRow("intuition 4") << 4 << "Can't Tell" << "Can't Tell";
        QTest::addRow("intuition 5") << 5 << "Can't Tell" << "Tired";
        QTest::addRow("intuition 7") << 7 << "Can't Tell" << "Tired";
        QTest::addRow("intuition 8") << 8 << "Fast" << "Tired";
    }

    void whatTheManagerCanTell()
    {
        QFETCH(int, intuition);
        QFETCH(QString, learning);
        QFETCH(QString, fatigue);
        setIntuition(intuition);
        addFighter(1100, "Al", 0, QStringList(), 2, 3);
        open();
        toPlans();
        QCOMPARE(text("learning_speed_edit"), learning);
        QCOMPARE(text("fatigue_level_edit"), fatigue);
    }

    void theLogAndTheBackground()
    {
        addFighter(1100, "Al", 0, {"Jan 1: Heavy Bag", "Jan 2: Rest", "Jan 3: Running"});
        addFighter(1200, "Bo", 0);
        open();
        toPlans();
        auto *log = find<QTextEdit>("training_log_text");
        QCOMPARE(log->toPlainText(), QString("Jan 1: Heavy Bag\nJan 2: Rest\nJan 3: Running"));
        QCOMPARE(log->document()->blockCount(), 3);
        QCOMPARE(text("fighting_style_edit"), QString("Kickboxing"));
        find<QComboBox>("fighter_combo")->setCurrentIndex(1);
        QVERIFY(log->toPlainText().isEmpty());
    }

    void anEmptyRoster()
    {
        open();
        toPlans();
        QCOMPARE(text("fighter_name_edit"), QString("N/A N/A"));
        QCOMPARE(plansDown(), QList<int>{0});
        QVERIFY(!find<QLabel>("portrait_label")->isHidden());
        const QByteArray before = PersistTestAccess::savedBytes();
        find<QPushButton>("plan_button_3")->click();
        QCOMPARE(PersistTestAccess::savedBytes(), before);
    }
};

QTEST_MAIN(TestTrainingScreen)
#include "tst_training_screen.moc"
