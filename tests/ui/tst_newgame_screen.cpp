#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "records/GameDataStream.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/Module_NewGame.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

using SkillSteps = QVector<QPair<int, int>>;

namespace {

const char *const skillNames[] = {"Punch", "Kick", "Clinch Off.", "Movement", "Guard", "Clinch Def.",
                                  "Power", "Speed", "Conditioning", "Timing", "Intelligence", "Discipline",
                                  "Scouting", "Motivating", "Cornering", "Negotiating", "Charisma", "Intuition"};

void writeNations(const QVector<QStringList> &lists)
{
    QDir().mkpath("./Resources/Defaults");
    QFile file(ResourcePaths::nationsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    GameDataStream out(&file);
    for (const QStringList &list : lists)
        out << list;
}

QVector<QStringList> sampleNations()
{
    QVector<QStringList> lists(8);
    lists[0] = QStringList({"Canada", "United States", "Cuba"});
    lists[2] = QStringList({"England", "France"});
    lists[7] = QStringList({"Australia"});
    return lists;
}

void writeImage(const QString &path, const QImage &image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(image.save(path));
}

QImage solid(const QColor &colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(10, 10, format);
    image.fill(colour);
    return image;
}

// A trim that covers the right half and lets the left half show through.
QImage halfTrim(const QColor &colour)
{
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 5; x < 10; ++x)
            image.setPixelColor(x, y, colour);
    return image;
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

// The new-game wizard: the manager page with its nations, flags and point
// pool, the gym page with its colour picture, and the start of the game.
class TestNewgameScreen : public QObject
{
    Q_OBJECT

private:
    Module_NewGame *screen = nullptr;

    Module_NewGame *openNewGame()
    {
        ModuleManager::Instance()->changeScreen(new Module_NewGame);
        screen = ShellTest::screen<Module_NewGame>();
        return screen;
    }
    QSpinBox *skill(int index) const
    {
        return ShellTest::widget<QSpinBox>(screen, QStringLiteral("skill_") + QString::fromLatin1(skillNames[index]));
    }
    QString pointsLabel() const { return ShellTest::widget<QLabel>(screen, "manager_skill_points")->text(); }
    QComboBox *combo(const char *name) const { return ShellTest::widget<QComboBox>(screen, name); }
    QLabel *label(const char *name) const { return ShellTest::widget<QLabel>(screen, name); }
    // Either page's, whichever is shown.
    QPushButton *button(const char *text) const
    {
        return ShellTest::button(screen, text, ShellTest::HiddenButtons::Included);
    }

private slots:
    void init()
    {
        QDir("./Resources").removeRecursively();
        writeNations(sampleNations());
        for (const char *nation : {"Canada", "Cuba", "England", "France"})
            writeImage(ResourcePaths::flag(nation), solid(Qt::red));
        ShellTest::startGame();
        openNewGame();
    }
    void cleanup() { ShellTest::stopGame(); }

    void startsWithAFullPool()
    {
        QCOMPARE(pointsLabel(), QStringLiteral("Skill Points: 60"));
        for (int i = 0; i < 18; ++i) {
            QVERIFY2(skill(i), skillNames[i]);
            QCOMPARE(skill(i)->value(), 0);
            QCOMPARE(skill(i)->maximum(), 10);
        }
        QCOMPARE(itemsOf(combo("manager_region")),
                 QStringList({"North America", "South America", "Western Europe", "Eastern Europe", "Africa",
                              "Middle East", "East Asia", "Oceania"}));
        QCOMPARE(combo("manager_nationality")->currentText(), QStringLiteral("Canada"));
        QCOMPARE(screen->shownFlag(), QStringLiteral("./Resources/Flags/flag_Canada.png"));
        QVERIFY(!label("manager_flag")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(label("manager_flag")->size(), QSize(160, 100));
    }

    void poolKeepsSixtyPoints_data()
    {
        // Each step sets one box (by skill index) to a value; then the box
        // values, the points left and the capped boxes are checked.
        QTest::addColumn<SkillSteps>("steps");
        QTest::addColumn<QVector<int>>("expectedValues");
        QTest::addColumn<int>("pointsLeft");
        QTest::addColumn<QVector<int>>("cappedBoxes");
        QTest::addColumn<int>("cap");

        QVector<int> values(18, 0);
        values[0] = 10;
        QTest::addRow("one box at 10") << SkillSteps{{0, 10}} << values << 50 << QVector<int>{} << 10;

        SkillSteps sixTens;
        values.fill(0);
        for (int i = 0; i < 6; ++i) {
            sixTens.append({i, 10});
            values[i] = 10;
        }
        QTest::addRow("six boxes at 10") << sixTens << values << 0 << QVector<int>{} << 10;

        SkillSteps overdrawn = sixTens;
        overdrawn.append({17, 1});
        QTest::addRow("raise with nothing left") << overdrawn << values << 0 << QVector<int>{17} << 0;

        SkillSteps freed = overdrawn;
        freed.append({2, 9});
        QVector<int> freedValues = values;
        freedValues[2] = 9;
        QTest::addRow("lowering frees the caps") << freed << freedValues << 1 << QVector<int>{} << 10;

        SkillSteps threeLeft;
        QVector<int> threeValues(18, 0);
        for (int i = 0; i < 5; ++i) {
            threeLeft.append({i, 10});
            threeValues[i] = 10;
        }
        threeLeft.append({5, 7});
        threeLeft.append({9, 10});
        threeValues[5] = 7;
        threeValues[9] = 3;
        QTest::addRow("typing 10 with 3 left") << threeLeft << threeValues << 0 << QVector<int>{9} << 3;
    }

    void poolKeepsSixtyPoints()
    {
        QFETCH(SkillSteps, steps);
        QFETCH(QVector<int>, expectedValues);
        QFETCH(int, pointsLeft);
        QFETCH(QVector<int>, cappedBoxes);
        QFETCH(int, cap);
        for (const auto &step : steps)
            skill(step.first)->setValue(step.second);
        for (int i = 0; i < 18; ++i) {
            QCOMPARE(skill(i)->value(), expectedValues.at(i));
            QCOMPARE(skill(i)->maximum(), cappedBoxes.contains(i) ? cap : 10);
        }
        QCOMPARE(screen->skillPointsLeft(), pointsLeft);
        QCOMPARE(pointsLabel(), QStringLiteral("Skill Points: %1").arg(pointsLeft));
    }

    void regionAndNationChooseTheFlag()
    {
        combo("manager_region")->setCurrentIndex(2);
        QCOMPARE(itemsOf(combo("manager_nationality")), QStringList({"England", "France"}));
        QCOMPARE(screen->shownFlag(), QStringLiteral("./Resources/Flags/flag_England.png"));

        combo("manager_nationality")->setCurrentIndex(1);
        emit combo("manager_nationality")->activated(1);
        QCOMPARE(screen->shownFlag(), QStringLiteral("./Resources/Flags/flag_France.png"));

        // A region without nations: nothing to choose and no picture.
        combo("manager_region")->setCurrentIndex(1);
        QCOMPARE(combo("manager_nationality")->count(), 0);
        QVERIFY(label("manager_flag")->pixmap(Qt::ReturnByValue).isNull());

        // A nation without a flag picture.
        combo("manager_region")->setCurrentIndex(7);
        QCOMPARE(combo("manager_nationality")->currentText(), QStringLiteral("Australia"));
        QVERIFY(label("manager_flag")->pixmap(Qt::ReturnByValue).isNull());
    }

    void pagesKeepTheirEntries()
    {
        ShellTest::widget<QLineEdit>(screen, "manager_first_name")->setText("Ada");
        combo("manager_region")->setCurrentIndex(2);
        skill(3)->setValue(4);
        button("Advance to Gym Creation")->click();
        QVERIFY(ShellTest::widget<QLineEdit>(screen, "gym_name")->isVisibleTo(screen));
        QVERIFY(!ShellTest::widget<QLineEdit>(screen, "manager_first_name")->isVisibleTo(screen));
        ShellTest::widget<QLineEdit>(screen, "gym_name")->setText("Iron Den");
        button("Back to Manager Creation")->click();
        QCOMPARE(ShellTest::widget<QLineEdit>(screen, "manager_first_name")->text(), QStringLiteral("Ada"));
        QCOMPARE(combo("manager_region")->currentIndex(), 2);
        QCOMPARE(skill(3)->value(), 4);
        QCOMPARE(screen->skillPointsLeft(), 56);
        button("Advance to Gym Creation")->click();
        QCOMPARE(ShellTest::widget<QLineEdit>(screen, "gym_name")->text(), QStringLiteral("Iron Den"));
    }

    void missingNationsFileWarns()
    {
        QFile::remove(ResourcePaths::nationsFile());
        ModalAnswer answer(QStringLiteral("OK"));
        if (!openNewGame())
            return;
        QVERIFY(answer.dialogSeen());
        QCOMPARE(answer.text(), QStringLiteral("Warning: ./Resources/Defaults/default_nations.dat - File not found. "
                                               "Proceeding may cause errors with the game."));
        QCOMPARE(combo("manager_nationality")->count(), 0);
        QVERIFY(label("manager_flag")->pixmap(Qt::ReturnByValue).isNull());
    }

    void gymPageOffersStylesAndColours()
    {
        QCOMPARE(itemsOf(combo("gym_style")),
                 QStringList({"Shootboxing", "Kickboxing", "Boxing", "Taekwondo", "Muay Thai", "MMA", "Karate"}));
        const QStringList colours = {"Black", "Blue", "Dark Blue", "Dark Green", "Dark Red", "Gold", "Green",
                                     "Light Yellow", "Purple", "Red", "Silver", "Teal", "White", "Yellow"};
        QCOMPARE(itemsOf(combo("gym_primary_colour")), colours);
        QCOMPARE(itemsOf(combo("gym_secondary_colour")), colours);
        QCOMPARE(combo("gym_style")->currentText(), QStringLiteral("Shootboxing"));
    }

    void colourPictureIsShortsUnderTrim()
    {
        writeImage(ResourcePaths::gymShorts("Black"), solid(Qt::blue));
        writeImage(ResourcePaths::gymTrim("Black"), halfTrim(Qt::green));
        writeImage(ResourcePaths::gymShorts("Light Yellow"), solid(Qt::yellow));
        if (!openNewGame())
            return;
        QLabel *picture = label("gym_colour_picture");
        QCOMPARE(picture->size(), QSize(250, 250));
        QImage shown = picture->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(!shown.isNull());
        QVERIFY(near(shown.pixelColor(1, 5), Qt::blue));  // the shorts show through
        QVERIFY(near(shown.pixelColor(8, 5), Qt::green)); // the trim on top

        // "Light Yellow" names its file with the space; its trim is missing,
        // so the shorts alone are shown.
        combo("gym_primary_colour")->setCurrentIndex(7);
        combo("gym_secondary_colour")->setCurrentIndex(7);
        emit combo("gym_primary_colour")->activated(7);
        shown = picture->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY(near(shown.pixelColor(8, 5), Qt::yellow));

        // Missing shorts: nothing at all.
        combo("gym_primary_colour")->setCurrentIndex(1);
        emit combo("gym_primary_colour")->activated(1);
        QVERIFY(picture->pixmap(Qt::ReturnByValue).isNull());
    }

    void advanceToGameStartsTheGame()
    {
        ShellTest::widget<QLineEdit>(screen, "manager_first_name")->setText("Ada");
        ShellTest::widget<QLineEdit>(screen, "manager_last_name")->setText("Stone");
        combo("manager_region")->setCurrentIndex(2);
        combo("manager_nationality")->setCurrentIndex(1);
        skill(0)->setValue(10);
        skill(17)->setValue(5);
        button("Advance to Gym Creation")->click();
        ShellTest::widget<QLineEdit>(screen, "gym_name")->setText("Iron Den");
        combo("gym_style")->setCurrentIndex(4);
        combo("gym_primary_colour")->setCurrentIndex(7);
        combo("gym_secondary_colour")->setCurrentIndex(9);
        button("Advance to Game")->click();

        QStringList texts, titles;
        QVector<int> numbers;
        World::Instance().getManagerData(texts, numbers, titles);
        QCOMPARE(texts, QStringList({"Ada", "Stone", "Western Europe", "France", "Unknown"}));
        QVector<int> expected(23, 0);
        expected[1] = 10;
        expected[18] = 5;
        QCOMPARE(numbers, expected);
        QVERIFY(titles.isEmpty());

        QVector<int> gymNumbers, monthFigures;
        texts.clear();
        World::Instance().getGymData(texts, gymNumbers, monthFigures);
        QCOMPARE(texts, QStringList({"Iron Den", "Muay Thai", "Light Yellow", "Red", "Unknown"}));
        QVector<int> expectedGym = {0, 10000, 0, 3, 1};
        expectedGym += QVector<int>(21, 0);
        QCOMPARE(gymNumbers, expectedGym);
        QCOMPARE(monthFigures, QVector<int>(8, 0));

        // The default world: one organization per default file.
        QStringList organizations;
        World::Instance().getOrgNames(organizations);
        QCOMPARE(organizations.size(), 18);

        QVERIFY(ModuleManager::Instance()->isTopMenuVisible());
        QVERIFY(ShellTest::currentScreenAs<Module_Profile>());
    }

    void backToMainMenuLeavesTheWorldAlone()
    {
        QStringList before, after, titles;
        QVector<int> numbers;
        World::Instance().getManagerData(before, numbers, titles);
        ShellTest::widget<QLineEdit>(screen, "manager_first_name")->setText("Ada");
        skill(0)->setValue(10);
        button("Back to Main Menu")->click();
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());
        numbers.clear();
        World::Instance().getManagerData(after, numbers, titles);
        QCOMPARE(after, before);
        QCOMPARE(numbers, QVector<int>(23, 0));
        QStringList organizations;
        World::Instance().getOrgNames(organizations);
        QVERIFY(organizations.isEmpty());
        QVERIFY(!ModuleManager::Instance()->isTopMenuVisible());
    }
};

QTEST_MAIN(TestNewgameScreen)
#include "tst_newgame_screen.moc"
