#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "HelpScreenWriter.h"
#include "TestSupport.h"
#include "core/LiveEventFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/Manager.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/browser/Module_Database.h"
#include "ui/browser/Module_Orgs.h"
#include "ui/business/Module_Events.h"
#include "ui/business/Module_Management.h"
#include "ui/business/Module_NextDay.h"
#include "ui/gym/Module_Profile.h"
#include "ui/gym/Module_Training.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_NewGame.h"
#include "world/World.h"

namespace {

ModuleManager *manager() { return ModuleManager::Instance(); }
QWidget *screen() { return manager()->currentScreen(); }

bool isShown(const QWidget *widget) { return widget && widget->isVisibleTo(manager()->window()); }

// A shown widget of the screen by its object name, else by the text of a
// label or button on it.
QWidget *shownWidget(const QString &key)
{
    const auto widgets = screen()->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == key && isShown(widget))
            return widget;
    }
    for (QWidget *widget : widgets) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text == key && isShown(widget))
            return widget;
    }
    return nullptr;
}

void click(const QString &key)
{
    auto *button = qobject_cast<QAbstractButton *>(shownWidget(key));
    QVERIFY2(button, qPrintable(key));
    button->click();
    ShellTest::flushDeletions();
    QCoreApplication::sendPostedEvents();
}

// The default world with a manager, a fighter of the player's signed to G-1
// and a student.
void gameWorld()
{
    World &world = WorldTestAccess::freshWorld(25000);
    world.loadDefaultData();
    QVector<int> numbers(Manager::IntCount, 0);
    for (int n = Manager::FirstSkillIndex; n <= Manager::IntuitionIndex; ++n)
        numbers[n] = 4;
    world.setupManager({"Ada", "Stone", "South America", "Bolivia", "Unknown"}, numbers, {});
    WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Al", "Ray", 250, "G-1"));
    WorldTestAccess::addStudent(WorldFixtures::fighter(1101, "Cy", "Ode", 5));
}

// Shows the screen, with the menu bar when it is an in-game screen.
void show(QWidget *newScreen, bool inGame)
{
    if (inGame)
        manager()->showTopMenu();
    else
        manager()->hideTopMenu();
    manager()->changeScreen(newScreen);
    ShellTest::flushDeletions();
    QCoreApplication::sendPostedEvents();
}

// The live event of the fixtures, stepped into its player's bout.
void liveEvent(bool toCorner)
{
    DeterministicRandom dice(9000);
    show(new Module_UserEvents(LiveEventFixtures::install(LiveEventFixtures::threeBoutCard())), false);
    auto *live = ShellTest::screen<Module_UserEvents>();
    if (!live)
        return;
    auto *nextStep = ShellTest::widget<QPushButton>(live, "next_step_btn");
    // Up to his bout, through its tale of the tape, a few steps in.
    for (int i = 0; i < 20000 && live->getMatchCount() < 2; ++i)
        nextStep->click();
    for (int i = 0; i < 12; ++i)
        nextStep->click();
    for (int i = 0; toCorner && i < 20000 && nextStep->text() != QLatin1String("Tend to Fighter"); ++i)
        nextStep->click();
    if (toCorner)
        nextStep->click();
    QCoreApplication::sendPostedEvents();
}

// Opens the screen or page that a help picture sketches.
void openScreenOf(const QString &picture)
{
    if (picture.startsWith("helpscreen_newgame")) {
        show(new Module_NewGame, false);
        if (picture == "helpscreen_newgame_2.jpg")
            click("Advance to Gym Creation");
    } else if (picture.startsWith("helpscreen_combat")) {
        liveEvent(picture == "helpscreen_combat_2.jpg");
    } else {
        gameWorld();
        if (picture.startsWith("helpscreen_profile")) {
            show(new Module_Profile, true);
            if (picture == "helpscreen_profile_2.jpg")
                click("current_fighters_button");
        } else if (picture.startsWith("helpscreen_training")) {
            show(new Module_Training, true);
            if (picture == "helpscreen_training_2.jpg")
                click("to_training_plans_button");
        } else if (picture.startsWith("helpscreen_management")) {
            show(new Module_Management, true);
            if (picture == "helpscreen_management_2.jpg")
                click("view_students_btn");
        } else if (picture == "helpscreen_events.jpg") {
            show(new Module_Events, true);
        } else if (picture.startsWith("helpscreen_database")) {
            show(new Module_Database, true);
            ShellTest::widget<QListWidget>(screen(), "fighter_list")->setCurrentRow(0);
            if (picture == "helpscreen_database_2.jpg")
                click("detailed_info_btn");
        } else if (picture == "helpscreen_organizations.jpg") {
            show(new Module_Orgs, true);
        } else if (picture.startsWith("helpscreen_nextday")) {
            show(new Module_NextDay, false);
            QMetaObject::invokeMethod(screen(), "startNextDayFlow");
        }
    }
    ShellTest::flushDeletions();
    QCoreApplication::sendPostedEvents();
}

QRectF placeOnScreen(const QWidget *widget)
{
    return QRectF(widget->mapTo(manager()->window(), QPoint(0, 0)), widget->size());
}

// The screens' buttons with a text that the picture neither draws nor
// covers with the box of a widget holding them (the equipment's upgrade
// buttons lie in its panel, say).
QStringList buttonsLeftOut(const QVector<HelpScreenWriter::SketchedWidget> &sketched)
{
    QStringList leftOut;
    const auto buttons = screen()->findChildren<QPushButton *>();
    for (const QPushButton *button : buttons) {
        if (!isShown(button) || button->text().isEmpty())
            continue;
        bool drawn = false;
        for (const HelpScreenWriter::SketchedWidget &widget : sketched) {
            const QWidget *found = shownWidget(widget.widget);
            drawn = drawn || found == button || (found && found->isAncestorOf(button));
        }
        if (!drawn)
            leftOut << button->text();
    }
    return leftOut;
}

// The help picture at the window's height beside the window.
QImage pictureBesideScreen(const QString &picture)
{
    const QPixmap shot = manager()->window()->grab();
    const QImage sketch = QImage(QStringLiteral("./Resources/Backgrounds/") + picture).scaledToHeight(shot.height());
    QImage both(sketch.width() + 10 + shot.width(), shot.height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, sketch);
    painter.drawPixmap(sketch.width() + 10, 0, shot);
    return both;
}

} // namespace

// The help pictures sketch the screens they explain: each box that stands
// for a widget finds it on the real screen, a button box reads as the
// button does, and boxes stand in the same order (left of, above) as their
// widgets. Beside each picture goes a shot of its screen, for a look.
class TestHelpPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void picturesMatchTheirScreens_data()
    {
        QTest::addColumn<QString>("picture");
        const QStringList pictures = HelpScreenWriter::sketchedScreens().keys();
        QCOMPARE(pictures.size(), 15);
        for (const QString &picture : pictures)
            QTest::addRow("%s", qPrintable(picture)) << picture;
    }

    void picturesMatchTheirScreens()
    {
        QFETCH(QString, picture);
        const QVector<HelpScreenWriter::SketchedWidget> sketched = HelpScreenWriter::sketchedScreens().value(picture);
        openScreenOf(picture);
        QVERIFY(pictureBesideScreen(picture).save(ScreenShots::folder() + QStringLiteral("help_beside_")
                                                  + picture.section(QLatin1Char('.'), 0, 0) + ".png"));

        QVector<QRectF> onScreen;
        for (const HelpScreenWriter::SketchedWidget &widget : sketched) {
            const QWidget *found = shownWidget(widget.widget);
            QVERIFY2(found, qPrintable(widget.widget + " is not on the screen"));
            const auto *button = qobject_cast<const QAbstractButton *>(found);
            QVERIFY2(widget.button == (button && button->text() == widget.widget), qPrintable(widget.widget));
            onScreen << placeOnScreen(found);
        }
        QCOMPARE(buttonsLeftOut(sketched), QStringList());

        // Boxes apart in the picture stand in the same order on the screen.
        for (int a = 0; a < sketched.size(); ++a) {
            for (int b = 0; b < sketched.size(); ++b) {
                const QRectF &first = sketched.at(a).place;
                const QRectF &second = sketched.at(b).place;
                const QString pair = sketched.at(a).widget + " / " + sketched.at(b).widget;
                if (first.right() <= second.left())
                    QVERIFY2(onScreen.at(a).center().x() < onScreen.at(b).center().x(),
                             qPrintable(pair + " should stand left to right"));
                if (first.bottom() <= second.top())
                    QVERIFY2(onScreen.at(a).center().y() < onScreen.at(b).center().y(),
                             qPrintable(pair + " should stand one above the other"));
            }
        }
    }
};

QTEST_MAIN(TestHelpPictures)
#include "tst_help_pictures.moc"
