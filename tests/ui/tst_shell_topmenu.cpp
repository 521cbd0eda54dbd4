#include <QtTest>

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/TopMenuBar.h"
#include "world/ResourcePaths.h"
#include "world/World.h"
#include "core/WorldTestAccess.h"

namespace {

QList<int> flatButtons(const TopMenuBar *bar)
{
    QList<int> flat;
    for (int id = 0; id < TopMenuBar::buttonCount; ++id) {
        if (bar->button(ButtonID(id))->isFlat())
            flat << id;
    }
    return flat;
}

bool hasBackButton(QWidget *screen)
{
    for (QPushButton *button : screen->findChildren<QPushButton *>()) {
        if (button->text() == "Back to Main Menu" && !button->isHidden())
            return true;
    }
    return false;
}

} // namespace

// The menu bar of a running game: its buttons, the screens they open, the
// Next Day step and the way back to the main menu.
class TestShellTopMenu : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }
    TopMenuBar *bar() const { return manager()->topMenu(); }

private slots:
    void init()
    {
        ShellTest::startGame();
        // In a game the bar is shown.
        manager()->showTopMenu();
    }

    void cleanup() { ShellTest::stopGame(); }

    void tenButtonsInTheirOrder_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("objectName");
        QTest::addRow("profile") << 0 << "Profile" << "profile_module_btn";
        QTest::addRow("training") << 1 << "Training" << "training_module_btn";
        QTest::addRow("management") << 2 << "Management" << "management_module_btn";
        QTest::addRow("events") << 3 << "Events" << "events_module_btn";
        QTest::addRow("database") << 4 << "Database" << "fighterdb_module_btn";
        QTest::addRow("organizations") << 5 << "Organizations" << "org_module_btn";
        QTest::addRow("next day") << 6 << "Next Day" << "next_day_btn";
        QTest::addRow("save/load") << 7 << "Save/Load" << "save_module_btn";
        QTest::addRow("how to play") << 8 << "How To Play" << "help_module_btn";
        QTest::addRow("main menu") << 9 << "Back To Main Menu" << "back_mainmenu_btn";
    }

    void tenButtonsInTheirOrder()
    {
        QFETCH(int, id);
        QFETCH(QString, toolTip);
        QFETCH(QString, objectName);
        QPushButton *button = bar()->button(ButtonID(id));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->objectName(), objectName);
        QCOMPARE(button->text(), QString());
        QCOMPARE(button->minimumSize(), QSize(70, 70));
        QCOMPARE(button->maximumSize(), QSize(70, 70));

        // Centred between two equal stretches, left to right by id.
        auto *layout = qobject_cast<QHBoxLayout *>(bar()->layout());
        QVERIFY(layout);
        QCOMPARE(layout->count(), 12);
        QCOMPARE(layout->spacing(), 15);
        QCOMPARE(layout->itemAt(id + 1)->widget(), button);
        QCOMPARE(layout->stretch(0), 30);
        QCOMPARE(layout->stretch(11), 30);
        QVERIFY(layout->itemAt(0)->spacerItem());
        QVERIFY(layout->itemAt(11)->spacerItem());
    }

    void screenButtonsOpenAndMarkTheirScreen_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("screenClass");
        QTest::addRow("profile") << 0 << "Module_Profile";
        QTest::addRow("training") << 1 << "Module_Training";
        QTest::addRow("management") << 2 << "Module_Management";
        QTest::addRow("events") << 3 << "Module_Events";
        QTest::addRow("database") << 4 << "Module_Database";
        QTest::addRow("organizations") << 5 << "Module_Orgs";
        QTest::addRow("save/load") << 7 << "Module_SaveLoad";
        QTest::addRow("how to play") << 8 << "Module_Help";
    }

    void screenButtonsOpenAndMarkTheirScreen()
    {
        QFETCH(int, id);
        QFETCH(QString, screenClass);
        // Start from another button, so that the mark has to move.
        bar()->button(id == 1 ? ProfileButton : TrainingButton)->click();
        QWidget *before = manager()->currentScreen();

        bar()->button(ButtonID(id))->click();
        QCOMPARE(ShellTest::currentScreenClass(), screenClass);
        QVERIFY(manager()->currentScreen() != before);
        QCOMPARE(flatButtons(bar()), QList<int>({id}));
        QCOMPARE(int(bar()->currentButton()), id);
        QVERIFY(manager()->isTopMenuVisible());
        // Opened from the bar, even help and save/load have no way back.
        QVERIFY(!hasBackButton(manager()->currentScreen()));
    }

    void pressingTheSameButtonAgainBuildsAFreshScreen()
    {
        bar()->button(DatabaseButton)->click();
        QPointer<QWidget> first = manager()->currentScreen();
        bar()->button(DatabaseButton)->click();
        QVERIFY(manager()->currentScreen() != first.data());
        ShellTest::flushDeletions();
        QVERIFY(!first);
    }

    void flattenButtons_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<int>>("flat");
        QTest::addRow("first") << 0 << QList<int>({0});
        QTest::addRow("back to main menu") << 9 << QList<int>({9});
        QTest::addRow("past the last") << 10 << QList<int>();
        QTest::addRow("negative") << -1 << QList<int>();
    }

    void flattenButtons()
    {
        QFETCH(int, id);
        QFETCH(QList<int>, flat);
        bar()->flattenButtons(ButtonID(4));
        bar()->flattenButtons(ButtonID(id));
        QCOMPARE(flatButtons(bar()), flat);
    }

    // Only the screen opened from the bar looks chosen: after its own page
    // changes and after a day, no other button has the keyboard focus (a
    // focused button wears the hover look) or the mark.
    void onlyTheMarkedButtonLooksChosen_data()
    {
        QTest::addColumn<int>("opened");
        // Buttons to click in turn; a list's name picks its first row.
        QTest::addColumn<QStringList>("pageButtons");
        const char *const screens[] = {"profile", "training", "management", "events", "database", "organizations"};
        for (int id = 0; id < 6; ++id)
            QTest::addRow("%s", screens[id]) << id << QStringList();
        QTest::addRow("save/load") << int(SaveLoadButton) << QStringList();
        QTest::addRow("how to play") << int(HelpButton) << QStringList();
        QTest::addRow("training plans and back")
            << 1 << QStringList({"to_training_plans_button", "back_to_gym_info_button"});
        QTest::addRow("students and back") << 2 << QStringList({"view_students_btn", "back_to_management_btn"});
        QTest::addRow("fighter sheet and back")
            << 4 << QStringList({"fighter_list", "detailed_info_btn", "close_btn"});
        QTest::addRow("next day") << int(NextDayButton) << QStringList({"proceed_next_day_btn"});
    }

    void onlyTheMarkedButtonLooksChosen()
    {
        QFETCH(int, opened);
        QFETCH(QStringList, pageButtons);
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Pat", "Lee", 150));
        WorldTestAccess::addStudent(WorldFixtures::fighter(1101, "Cy", "Ode", 5));
        WorldTestAccess::addOrganization(WorldFixtures::organization(
            "G-1", "Elite", {}, {WorldFixtures::fighter(1200, "Bo", "Kim", 1, "G-1")}));
        QWidget *window = manager()->window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));

        bar()->button(TrainingButton)->click();
        bar()->button(ButtonID(opened))->click();
        if (opened == NextDayButton)
            QMetaObject::invokeMethod(manager()->currentScreen(), "startNextDayFlow");
        for (const QString &name : pageButtons) {
            // The new page is shown from the event loop.
            QCoreApplication::sendPostedEvents();
            QWidget *widget = manager()->currentScreen()->findChild<QWidget *>(name);
            QVERIFY2(widget && widget->isVisibleTo(window), qPrintable(name));
            if (auto *list = qobject_cast<QListWidget *>(widget))
                list->setCurrentRow(0);
            else
                ShellTest::widget<QPushButton>(manager()->currentScreen(), name)->click();
        }
        QCoreApplication::sendPostedEvents();

        const int marked = opened == NextDayButton ? -1 : opened;
        QCOMPARE(flatButtons(bar()), marked < 0 ? QList<int>() : QList<int>({marked}));
        for (int id = 0; id < TopMenuBar::buttonCount; ++id) {
            QPushButton *button = bar()->button(ButtonID(id));
            QVERIFY2(id == marked || !button->hasFocus(), qPrintable(button->toolTip()));
        }
    }

    void showingTheBarRaisesEveryButton()
    {
        bar()->button(EventsButton)->click();
        manager()->hideTopMenu();
        QVERIFY(!manager()->isTopMenuVisible());
        manager()->showTopMenu();
        QVERIFY(manager()->isTopMenuVisible());
        QCOMPARE(flatButtons(bar()), QList<int>());
        QCOMPARE(bar()->currentButton(), EventsButton);
    }

    void nextDayHidesTheBarAndOpensTheDay()
    {
        bar()->button(TrainingButton)->click();
        bar()->button(NextDayButton)->click();
        QVERIFY(!manager()->isTopMenuVisible());
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
        // The step touches neither the remembered button nor the marks.
        QCOMPARE(bar()->currentButton(), TrainingButton);
        QCOMPARE(flatButtons(bar()), QList<int>({1}));

        // The next-day screen's way back.
        manager()->showTopMenu();
        manager()->reloadCurrentScreen();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_Training"));
        QCOMPARE(flatButtons(bar()), QList<int>());
        QVERIFY(manager()->isTopMenuVisible());
    }

    void nextDayPlaysTheFirstOpenEventOfThePlayer_data()
    {
        QTest::addColumn<bool>("playerOnCard");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("daysAhead");
        QTest::addColumn<QString>("screenClass");
        QTest::addRow("player's event today") << true << QStringList() << 0 << "Module_UserEvents";
        QTest::addRow("already fought") << true << QStringList({"A defeated B"}) << 0 << "Module_NextDay";
        QTest::addRow("not the player's") << false << QStringList() << 0 << "Module_NextDay";
        QTest::addRow("tomorrow") << true << QStringList() << 1 << "Module_NextDay";
    }

    void nextDayPlaysTheFirstOpenEventOfThePlayer()
    {
        QFETCH(bool, playerOnCard);
        QFETCH(QStringList, results);
        QFETCH(int, daysAhead);
        QFETCH(QString, screenClass);
        const QDate today = World::Instance().getDate();
        const QVector<Match> card{WorldFixtures::match("Single Match", "Al Ray", 1100, "Bo Lee", 1200, playerOnCard)};
        const Event event = WorldFixtures::eventOn("Fight Night 1", "Test League", today.addDays(daysAhead), card,
                                                   playerOnCard, results);
        WorldTestAccess::addOrganization(WorldFixtures::organization("Test League", "National", {event}));

        bar()->button(ProfileButton)->click();
        bar()->button(NextDayButton)->click();
        QCOMPARE(ShellTest::currentScreenClass(), screenClass);
        QVERIFY(!manager()->isTopMenuVisible());
        QCOMPARE(bar()->currentButton(), ProfileButton);
        // The post-event screen's way back runs the same step again.
        manager()->nextDay();
        QCOMPARE(ShellTest::currentScreenClass(), screenClass);
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 1);
    }

    void reloadOpensTheScreenOfTheRememberedButton_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<QString>("screenClass");
        QTest::addRow("profile") << 0 << "Module_Profile";
        QTest::addRow("organizations") << 5 << "Module_Orgs";
        QTest::addRow("save/load") << 7 << "Module_SaveLoad";
        QTest::addRow("how to play") << 8 << "Module_Help";
    }

    void reloadOpensTheScreenOfTheRememberedButton()
    {
        QFETCH(int, pressed);
        QFETCH(QString, screenClass);
        bar()->button(ButtonID(pressed))->click();
        bar()->button(NextDayButton)->click();
        manager()->showTopMenu();
        QWidget *nextDay = manager()->currentScreen();
        manager()->reloadCurrentScreen();
        QCOMPARE(ShellTest::currentScreenClass(), screenClass);
        QVERIFY(manager()->currentScreen() != nextDay);
    }

    void backToMainMenuCancelledChangesNothing_data()
    {
        QTest::addColumn<int>("way");
        QTest::addRow("cancel") << int(ModalAnswer::Way::Click);
        QTest::addRow("escape") << int(ModalAnswer::Way::Escape);
    }

    void backToMainMenuCancelledChangesNothing()
    {
        QFETCH(int, way);
        bar()->button(ManagementButton)->click();
        QWidget *screen = manager()->currentScreen();
        World::Instance().advanceDay();
        const QDate date = World::Instance().getDate();

        ModalAnswer answer(ModalAnswer::Way(way), "Cancel");
        bar()->button(MainMenuButton)->click();
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(),
                 QString("Are you sure you want to return to the main menu? \nAny unsaved progress will be lost."));
        QCOMPARE(answer.buttons(), QStringList({"Accept", "Cancel"}));
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::AWide));

        QCOMPARE(manager()->currentScreen(), screen);
        QVERIFY(manager()->isTopMenuVisible());
        QCOMPARE(flatButtons(bar()), QList<int>({2}));
        QCOMPARE(World::Instance().getDate(), date);
    }

    void backToMainMenuAcceptedResetsTheWorld()
    {
        bar()->button(OrgsButton)->click();
        World::Instance().advanceDay();
        WorldTestAccess::addStudent(WorldFixtures::fighter(1300, "Cy", "Ode", 5));
        WorldTestAccess::addOrganization(WorldFixtures::organization("Test League"));
        WorldTestAccess::addOffer(WorldFixtures::offer(1300, "Cy Ode", "Fight Night 1", "Test League",
                                                       QDate(2011, 2, 1)));

        ModalAnswer answer("Accept");
        bar()->button(MainMenuButton)->click();
        QVERIFY(answer.answered());
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());
        QVERIFY(!manager()->isTopMenuVisible());
        QCOMPARE(World::Instance().getDate(), QDate(2011, 1, 1));
        QCOMPARE(WorldTestAccess::lastFighterId(), 1058);
        QVERIFY(WorldTestAccess::hasGymAndManager());
        QVERIFY(WorldTestAccess::organization("Test League").getName().isEmpty());
        QVERIFY(WorldTestAccess::offers().isEmpty());
        // The bar keeps the button pressed last into the next game.
        QCOMPARE(bar()->currentButton(), OrgsButton);
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 1);
    }

    void barStyleSheet_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::addRow("present") << QByteArray("TopMenuBar { background-color: black; }")
                                 << "TopMenuBar { background-color: black; }";
        QTest::addRow("missing") << QByteArray() << "";
    }

    void barStyleSheet()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        ShellTest::writeFile(ResourcePaths::menuStyleSheetFile(), file);
        {
            TopMenuBar freshBar;
            QCOMPARE(freshBar.styleSheet(), expected);
        }
        ShellTest::writeFile(ResourcePaths::menuStyleSheetFile(), QByteArray());
        // The bar lets go of the world's gym and manager when it goes.
        QVERIFY(!WorldTestAccess::hasGymAndManager());
        World::Instance().init();
    }
};

QTEST_MAIN(TestShellTopMenu)
#include "tst_shell_topmenu.moc"
