#include <QtTest>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

#include "TestSupport.h"
#include "core/GeneratorTestFiles.h"
#include "core/LiveEventFixtures.h"
#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "records/TextDate.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_Management.h"
#include "ui/business/Module_NextDay.h"
#include "ui/gym/Module_Training.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_NewGame.h"
#include "ui/shell/Module_SaveLoad.h"
#include "ui/shell/TopMenuBar.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

QPushButton *visibleButton(const QString &text)
{
    for (QPushButton *button : ModuleManager::Instance()->currentScreen()->findChildren<QPushButton *>()) {
        if (button->text() == text && button->isVisible())
            return button;
    }
    return nullptr;
}

QStringList savedFiles()
{
    return QDir(QStringLiteral("./Resources/Saves")).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

// The shell as a new player meets it, in a shown window: double clicks,
// the window's close button, the day's news, save names and the dialogs.
class TestShellNewPlayer : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }
    QWidget *window() const { return manager()->window(); }
    QWidget *currentScreen() const { return manager()->currentScreen(); }

    void startAGame()
    {
        WorldTestAccess::freshWorld();
        manager()->showTopMenu();
        manager()->changeScreen(new Module_Training);
    }

    void saveAs(const QString &typed, const QStringList &answers)
    {
        manager()->changeScreen(new Module_SaveLoad);
        QCoreApplication::processEvents();
        auto *edit = ShellTest::widget<QLineEdit>(manager()->currentScreen(), "save_name_edit");
        QTest::keyClicks(edit, typed);
        AnswerSequence sequence(answers);
        ShellTest::button(currentScreen(), "Save")->click();
        lastTexts = sequence.texts();
        lastButtons = sequence.buttons();
    }

    static constexpr int InTheRound = -1;
    const QString TypedManager = QStringLiteral("Ada");
    const QString TypedGym = QStringLiteral("Iron Den");

    QRect placeOf(QWidget *widget) const { return QRect(widget->mapTo(window(), QPoint()), widget->size()); }

    // A fresh new-game screen on the page of `from` (the first page when
    // empty); where `button` stands there.
    QRect placeOnPage(const QString &from, const QString &button)
    {
        manager()->changeScreen(new Module_NewGame);
        QCoreApplication::processEvents();
        ShellTest::widget<QLineEdit>(currentScreen(), "manager_first_name")->setText(TypedManager);
        if (!from.isEmpty()) {
            ShellTest::button(currentScreen(), from)->click();
            QCoreApplication::processEvents();
            ShellTest::widget<QLineEdit>(currentScreen(), "gym_name")->setText(TypedGym);
        }
        QPushButton *shown = visibleButton(button);
        return shown ? placeOf(shown) : QRect();
    }

    // Where the pressed button and the one the next page puts in its place
    // overlap, on a fresh screen on the page of `from`. A click on the
    // pressed button lays out the next page before the next press, as it
    // is for a player.
    QRect overlapOnFreshPage(const QString &from, const QString &pressed, const QString &underneath)
    {
        const QRect pressedPlace = placeOnPage(from, pressed);
        ShellTest::button(currentScreen(), pressed)->click();
        QCoreApplication::processEvents();
        const QRect overlap = pressedPlace & placeOf(ShellTest::button(currentScreen(), underneath));
        placeOnPage(from, pressed);
        connect(ShellTest::button(currentScreen(), pressed), &QPushButton::clicked, this,
                [] { QCoreApplication::processEvents(); });
        return overlap;
    }

    // After `presses` quick clicks on `pressed`, which widget holds the
    // keyboard focus, and where the game stands once `typed` has been typed
    // into the window.
    QStringList typedAfterClicks(const QString &from, const QString &pressed, const QString &underneath,
                                 int presses, const QString &typed)
    {
        quickClicksAt(overlapOnFreshPage(from, pressed, underneath).center(), presses);
        const QWidget *focus = window()->focusWidget();
        const auto *focusButton = qobject_cast<const QPushButton *>(focus);
        QStringList seen{focusButton ? focusButton->text() : focus ? focus->objectName() : "no focus"};
        ModalAnswer question("Cancel");
        for (const QChar key : typed)
            QTest::keyClick(window()->windowHandle(), key.toLatin1());
        QCoreApplication::processEvents();
        seen << question.text() << ShellTest::currentScreenClass();
        if (ShellTest::currentScreenAs<Module_NewGame>()) {
            seen << ShellTest::widget<QLineEdit>(currentScreen(), "manager_first_name")->text()
                 << ShellTest::widget<QLineEdit>(currentScreen(), "gym_name")->text()
                 << QString(visibleButton("Advance to Game") ? "gym page" : "manager page");
        }
        return seen;
    }

    // Through the window, each press reaching whatever is under the pointer
    // at that moment.
    void doubleClickAt(const QPoint &place) { quickClicksAt(place, 2); }
    // `presses` clicks at one place, or every other one `moved` from it, each
    // pressed within a double click's time of the one before: the platform
    // pairs those at one place into double clicks, as it does a player's
    // triple click.
    void quickClicksAt(const QPoint &place, int presses, const QPoint &moved = QPoint())
    {
        QVector<QPoint> places;
        for (int i = 0; i < presses; ++i)
            places << place + (i % 2 ? moved : QPoint());
        quickClicksAt(places);
    }
    // A click at each place, pressed `apartMs` after the one before by the
    // events' times.
    void quickClicksAt(const QVector<QPoint> &places, int apartMs = 100)
    {
        for (int i = 0; i < places.size(); ++i)
            clickAfter(window(), places.at(i), i > 0 ? apartMs : -1);
    }
    // A click at `place` of the top-level widget `shown`, `apartMs` after the
    // click before by the events' times (long after it when negative).
    // Before the press the window runs for the time a player's hand takes:
    // what the press before changed is laid out, and a short timer (the next
    // day's start) fires.
    void clickAfter(QWidget *shown, const QPoint &place, int apartMs)
    {
        QTest::qWait(200);
        // The test library leaves a pause longer than a double click after
        // every click; the run takes most of it back.
        if (apartMs >= 0)
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - apartMs;
        QTest::mouseClick(shown->windowHandle(), Qt::LeftButton, Qt::NoModifier, place);
    }
    // The game window's button at a place of the screen, null for none.
    QAbstractButton *buttonAt(const QPoint &global) const
    {
        QWidget *under = window()->childAt(window()->mapFromGlobal(global));
        while (under && !qobject_cast<QAbstractButton *>(under))
            under = under->parentWidget();
        return qobject_cast<QAbstractButton *>(under);
    }
    static QPoint centreOf(const QWidget *widget) { return widget->mapToGlobal(widget->rect().center()); }
    // Where an entry of a combo box's open list lies on the screen.
    static QPoint entryAt(const QComboBox *box, int row)
    {
        const QAbstractItemView *entries = box->view();
        return entries->viewport()->mapToGlobal(entries->visualRect(box->model()->index(row, 0)).center());
    }
    // Calls `act` with the next question once it shows, from within the
    // question's own event loop, while `context` lives.
    static void whenAsked(QObject *context, const std::function<void(QWidget *)> &act)
    {
        auto *poll = new QTimer(context);
        connect(poll, &QTimer::timeout, context, [poll, act] {
            QWidget *question = QApplication::activeModalWidget();
            if (!question || !question->isVisible())
                return;
            poll->deleteLater();
            poll->stop();
            act(question);
        });
        poll->start(5);
    }
    void clickAt(const QPoint &place, int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, place);
    }

    // A live event in the window, from the same dice every time: three
    // steps into the first round of a bout between others or of the
    // player's own, or `shortOfRoundEnd` steps short of that round's end
    // (at its end for 0). Null, the case failed, when no live event shows.
    QPushButton *liveEventAt(bool playersBout, int shortOfRoundEnd = InTheRound)
    {
        QPushButton *next = openLiveEvent(playersBout);
        if (!next || shortOfRoundEnd == InTheRound)
            return next;
        int toTheEnd = 0;
        while (toTheEnd < 200 && next->text() == QLatin1String("Next Step")) {
            next->click();
            ++toTheEnd;
        }
        if (shortOfRoundEnd > 0) {
            next = openLiveEvent(playersBout);
            for (int i = 0; next && i < toTheEnd - shortOfRoundEnd; ++i)
                next->click();
        }
        QCoreApplication::processEvents();
        return next;
    }

    // The welcome, the introduction, the tale of the tape, the bell, three
    // steps: `stages` clicks on "Next Step".
    QPushButton *openLiveEvent(bool playersBout, int stages = 7)
    {
        using namespace LiveEventFixtures;
        dice.reset();
        dice.reset(new DeterministicRandom);
        const Match match = playersBout ? bout(MatchType::Single, PlayerId, rosterId(0), true)
                                        : bout(MatchType::Single, rosterId(1), rosterId(2));
        manager()->changeScreen(new Module_UserEvents(install({match})));
        QCoreApplication::processEvents();
        auto *screen = ShellTest::screen<Module_UserEvents>();
        if (!screen)
            return nullptr;
        auto *next = ShellTest::widget<QPushButton>(screen, "next_step_btn");
        for (int i = 0; i < stages; ++i)
            next->click();
        QCoreApplication::processEvents();
        return next;
    }

    // Where the live event stands: its page, its button, the round clock and
    // the commentary.
    QStringList liveEventStage() const
    {
        auto *screen = ShellTest::screen<Module_UserEvents>();
        if (!screen)
            return {"no live event"};
        return {ShellTest::widget<QWidget>(screen, "corner_page")->isVisible() ? "corner" : "combat",
                ShellTest::widget<QPushButton>(screen, "next_step_btn")->text(),
                QString("round %1, %2 s left").arg(screen->getRoundNumber()).arg(screen->getSecondsLeft()),
                ShellTest::widget<QTextEdit>(screen, "commentary_view")->toPlainText()};
    }

    // The management screen, with one offer for Jo Park on `eventDay`.
    void openManagementWithAnOffer(const QDate &eventDay)
    {
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1101, "Jo", "Park", 100));
        WorldTestAccess::addOffer(WorldFixtures::offer(1101, "Jo Park", "G1 Event", "G1", eventDay));
        manager()->showTopMenu();
        manager()->changeScreen(new Module_Management);
        QCoreApplication::processEvents();
    }

    QStringList lastTexts;
    QList<QStringList> lastButtons;
    std::unique_ptr<DeterministicRandom> dice;

private slots:
    void initTestCase()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        // The game's own style sheet, for the game's own button places.
        QFile sheet(QCoreApplication::applicationDirPath() + QStringLiteral("/../")
                    + ResourcePaths::screenStyleSheetFile());
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        ShellTest::writeFile(ResourcePaths::screenStyleSheetFile(), sheet.readAll());
    }

    void init()
    {
        QDir().mkpath(QStringLiteral("./Resources/Saves"));
        for (const QString &file : savedFiles())
            QFile::remove(QStringLiteral("./Resources/Saves/") + file);
        ShellTest::startGame();
        window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }
    void cleanup()
    {
        ShellTest::stopGame();
        dice.reset();
    }

    // A quick run of presses moves one page, though the first press puts the
    // next page's button under the pointer; what was typed stays.
    void aSecondPressStaysOnItsButton_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("underneath");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("landsBeside");
        QTest::addColumn<QPoint>("moved");
        const QString ahead = "Advance to Gym Creation";
        const QString back = "Back to Manager Creation";
        // A hand may move a little between the presses of a quick run.
        for (const QPoint &moved : {QPoint(), QPoint(8, 0)}) {
            const QString apart = moved.isNull() ? QString() : QStringLiteral(", 8 px apart");
            for (int presses = moved.isNull() ? 1 : 2; presses <= 3; ++presses) {
                const QString clicks = QStringList{"single", "double", "triple"}.at(presses - 1) + " click";
                QTest::addRow("%s ahead%s", qPrintable(clicks), qPrintable(apart))
                    << "" << ahead << "Advance to Game" << presses << "Advance to Game" << moved;
                QTest::addRow("%s back%s", qPrintable(clicks), qPrintable(apart))
                    << ahead << back << "Back to Main Menu" << presses << ahead << moved;
            }
        }
    }

    void aSecondPressStaysOnItsButton()
    {
        QFETCH(QString, from);
        QFETCH(QString, pressed);
        QFETCH(QString, underneath);
        QFETCH(int, presses);
        QFETCH(QString, landsBeside);
        QFETCH(QPoint, moved);
        const QRect overlap = overlapOnFreshPage(from, pressed, underneath);
        QVERIFY(!overlap.isEmpty());
        QVERIFY(overlap.contains(overlap.center() + moved));
        // Through the window, so that each press reaches whatever is under
        // the pointer at that moment.
        quickClicksAt(overlap.center(), presses, moved);
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NewGame"));
        QVERIFY(visibleButton(landsBeside));
        QVERIFY(!manager()->isTopMenuVisible());
        QCOMPARE(ShellTest::widget<QLineEdit>(currentScreen(), "manager_first_name")->text(), TypedManager);
        if (!from.isEmpty())
            QCOMPARE(ShellTest::widget<QLineEdit>(currentScreen(), "gym_name")->text(), TypedGym);
    }

    // A dropped press leaves the keyboard focus where a single click leaves
    // it: a name typed next, its space and all, does what it does after a
    // single click, and presses no button the first press put in sight.
    void aDroppedPressLeavesTheFocusAsAClickDoes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("underneath");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("typed");
        for (int presses : {2, 3}) {
            const char *clicks = presses == 2 ? "double click" : "triple click";
            QTest::addRow("%s ahead", clicks) << "" << "Advance to Gym Creation" << "Advance to Game" << presses
                                              << "Iron Den";
            QTest::addRow("%s back", clicks) << "Advance to Gym Creation" << "Back to Manager Creation"
                                             << "Back to Main Menu" << presses << "Ada Stone";
        }
    }

    void aDroppedPressLeavesTheFocusAsAClickDoes()
    {
        QFETCH(QString, from);
        QFETCH(QString, pressed);
        QFETCH(QString, underneath);
        QFETCH(int, presses);
        QFETCH(QString, typed);
        const QStringList afterAClick = typedAfterClicks(from, pressed, underneath, 1, typed);
        QCOMPARE(typedAfterClicks(from, pressed, underneath, presses, typed), afterAClick);
    }

    // Each press of a quick run on "Next Step" moves a stage, as a click
    // does, until the button reads otherwise: once "Tend to Fighter" has
    // moved it to the corner page, no press of the run begins the next
    // round, and a run that ends the round stops there.
    void aDoubleClickOnTheLiveEventMovesItsStages_data()
    {
        QTest::addColumn<bool>("playersBout");
        QTest::addColumn<int>("shortOfRoundEnd");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("stages");
        QTest::addRow("next step, a bout between others") << false << InTheRound << 2 << 2;
        QTest::addRow("next step, the player's bout") << true << InTheRound << 2 << 2;
        QTest::addRow("next step, ten quick clicks") << false << InTheRound << 10 << 10;
        QTest::addRow("next step, ten quick clicks, the player's bout") << true << InTheRound << 10 << 10;
        QTest::addRow("tend to fighter") << true << 0 << 2 << 1;
        QTest::addRow("tend to fighter, triple click") << true << 0 << 3 << 1;
        QTest::addRow("next step into the round's end") << true << 2 << 5 << 2;
    }

    void aDoubleClickOnTheLiveEventMovesItsStages()
    {
        QFETCH(bool, playersBout);
        QFETCH(int, shortOfRoundEnd);
        QFETCH(int, presses);
        QFETCH(int, stages);
        const QString pressed = shortOfRoundEnd == 0 ? "Tend to Fighter" : "Next Step";
        QPushButton *button = liveEventAt(playersBout, shortOfRoundEnd);
        if (!button)
            return;
        QCOMPARE(button->text(), pressed);
        clickAt(placeOf(button).center(), stages);
        const QStringList afterClicks = liveEventStage();

        button = liveEventAt(playersBout, shortOfRoundEnd);
        if (!button)
            return;
        quickClicksAt(placeOf(button).center(), presses);
        QCOMPARE(liveEventStage(), afterClicks);
    }

    // "Start Timer" and "Stop Timer" are one button: a quick run on it
    // leaves the timer as its first press did.
    void aQuickRunOnTheTimerLeavesItAsTheFirstPress_data()
    {
        QTest::addColumn<bool>("playersBout");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("presses");
        for (bool playersBout : {false, true}) {
            for (bool running : {false, true}) {
                for (int presses : {2, 3}) {
                    QTest::addRow("%s on %s, %s", presses == 2 ? "double click" : "triple click",
                                  running ? "Stop Timer" : "Start Timer",
                                  playersBout ? "the player's bout" : "a bout between others")
                        << playersBout << running << presses;
                }
            }
        }
    }

    void aQuickRunOnTheTimerLeavesItAsTheFirstPress()
    {
        QFETCH(bool, playersBout);
        QFETCH(bool, running);
        QFETCH(int, presses);
        if (!liveEventAt(playersBout))
            return;
        auto *screen = ShellTest::screen<Module_UserEvents>();
        if (!screen)
            return;
        auto *timerButton = ShellTest::widget<QPushButton>(screen, "start_timer_btn");
        const auto *timer = ShellTest::widget<QTimer>(screen, "step_timer");
        if (running)
            timerButton->click();
        QCOMPARE(timer->isActive(), running);
        QCOMPARE(timerButton->text(), QString(running ? "Stop Timer" : "Start Timer"));
        quickClicksAt(placeOf(timerButton).center(), presses);
        QCOMPARE(timer->isActive(), !running);
        QCOMPARE(timerButton->text(), QString(running ? "Start Timer" : "Stop Timer"));
    }

    // The menu bar outlives the screens: a double or triple click on one of its
    // buttons opens one screen and runs at most one day. Pressed at its foot,
    // "Next Day" has the next day's "Proceed" come up under the pointer.
    void aDoubleClickOnTheMenuBarOpensOneScreen_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("underneath");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QPoint>("moved");
        QTest::addRow("next day") << int(NextDayButton) << 1 << "proceed_next_day_btn" << 2 << QPoint();
        QTest::addRow("training") << int(TrainingButton) << 0 << "training_module_btn" << 2 << QPoint();
        QTest::addRow("next day, triple click") << int(NextDayButton) << 1 << "proceed_next_day_btn" << 3 << QPoint();
        QTest::addRow("training, triple click") << int(TrainingButton) << 0 << "training_module_btn" << 3 << QPoint();
        QTest::addRow("next day, 8 px apart") << int(NextDayButton) << 1 << "proceed_next_day_btn" << 2
                                              << QPoint(8, 0);
        QTest::addRow("next day, triple click, 8 px apart")
            << int(NextDayButton) << 1 << "proceed_next_day_btn" << 3 << QPoint(8, 0);
        QTest::addRow("training, 8 px apart") << int(TrainingButton) << 0 << "training_module_btn" << 2
                                              << QPoint(8, 0);
    }

    void aDoubleClickOnTheMenuBarOpensOneScreen()
    {
        QFETCH(int, button);
        QFETCH(int, days);
        QFETCH(QString, underneath);
        QFETCH(int, presses);
        QFETCH(QPoint, moved);
        startAGame();
        const QDate today = World::Instance().getDate();
        QPushButton *pressed = manager()->topMenu()->button(ButtonID(button));
        const QRect place = placeOf(pressed);
        const QPoint foot(place.center().x(), place.bottom() - 3);
        QPointer<QWidget> opened;
        QObject firstClick;
        connect(pressed, &QPushButton::clicked, &firstClick, [this, &opened] {
            if (!opened)
                opened = manager()->currentScreen();
        });
        quickClicksAt(foot, presses, moved);
        QTest::qWait(2 * Module_NextDay::StartDelayMs);
        QVERIFY2(opened, "the screen the first press opened was replaced");
        QCOMPARE(manager()->currentScreen(), opened.data());
        QCOMPARE(World::Instance().getDate(), today.addDays(days));
        // The second press had a button to land on.
        QCOMPARE(window()->childAt(foot)->objectName(), underneath);
        QCOMPARE(window()->childAt(foot + moved)->objectName(), underneath);
    }

    // A press on a label laid over a button's face is the button's: each
    // press of a quick run clicks it, as on a button with no label, until
    // its text changes.
    void aButtonUnderALabelTakesEachClick_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("renamedByAClick");
        QTest::addColumn<int>("clicked");
        QTest::addRow("single click") << 1 << false << 1;
        QTest::addRow("double click") << 2 << false << 2;
        QTest::addRow("triple click") << 3 << false << 3;
        QTest::addRow("double click, renamed by the first") << 2 << true << 1;
    }

    void aButtonUnderALabelTakesEachClick()
    {
        QFETCH(int, presses);
        QFETCH(bool, renamedByAClick);
        QFETCH(int, clicked);
        startAGame();
        QCoreApplication::processEvents();
        auto *button = new QPushButton(QStringLiteral("Start"), currentScreen());
        button->setGeometry(20, 20, 160, 40);
        auto *face = new QLabel(QStringLiteral("Face"), button);
        face->setGeometry(button->rect());
        button->show();
        button->raise();
        if (renamedByAClick)
            connect(button, &QPushButton::clicked, button, [button] { button->setText(QStringLiteral("Stop")); });
        QSignalSpy clicks(button, &QPushButton::clicked);
        const QPoint centre = placeOf(button).center();
        QCOMPARE(window()->childAt(centre), face);
        quickClicksAt(centre, presses);
        QCOMPARE(clicks.count(), clicked);
    }

    // Presses aimed at two buttons the player could see both count, however
    // quick the second.
    void aimedPressesOnTwoButtonsBothCount_data()
    {
        QTest::addColumn<bool>("liveEvent");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("toolTipBetween");
        QTest::addRow("the menu bar's Training, then Management")
            << false << "training_module_btn" << "management_module_btn" << false;
        QTest::addRow("Next Step, then Sim to End") << true << "next_step_btn" << "sim_to_end_btn" << false;
        QTest::addRow("the menu bar's Training, a tool tip, then Management")
            << false << "training_module_btn" << "management_module_btn" << true;
    }

    void aimedPressesOnTwoButtonsBothCount()
    {
        QFETCH(bool, liveEvent);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, toolTipBetween);
        if (liveEvent)
            openLiveEvent(false);
        else
            startAGame();
        QCoreApplication::processEvents();
        auto *firstButton = ShellTest::widget<QPushButton>(window(), first);
        auto *secondButton = ShellTest::widget<QPushButton>(window(), second);
        QSignalSpy firstClicks(firstButton, &QPushButton::clicked);
        QSignalSpy secondClicks(secondButton, &QPushButton::clicked);
        // A tool tip asks nothing: it comes up over the second button as the
        // first is clicked, and ends nothing.
        bool toolTipShown = !toolTipBetween;
        QObject between;
        if (toolTipBetween) {
            connect(firstButton, &QPushButton::clicked, &between, [secondButton, &toolTipShown] {
                QToolTip::showText(centreOf(secondButton), secondButton->toolTip(), secondButton);
                toolTipShown = QToolTip::isVisible();
            });
        }
        quickClicksAt({placeOf(firstButton).center(), placeOf(secondButton).center()}, 150);
        QVERIFY(toolTipShown);
        QCOMPARE(firstClicks.count(), 1);
        QCOMPARE(secondClicks.count(), 1);
    }

    // A list's own double click is the list's.
    void aDoubleClickOnAListRowReachesTheList()
    {
        openManagementWithAnOffer(QDate(2011, 1, 15));
        auto *offers = ShellTest::widget<QListWidget>(currentScreen(), "offers_list");
        QCOMPARE(offers->count(), 1);
        offers->setCurrentRow(-1);
        QSignalSpy doubleClicks(offers, &QListWidget::itemDoubleClicked);
        const QRect row = offers->visualItemRect(offers->item(0));
        doubleClickAt(QRect(offers->viewport()->mapTo(window(), row.topLeft()), row.size()).center());
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(offers->currentRow(), 0);
    }

    // A question between the two presses: the second press does not ask it
    // again.
    void aDoubleClickOnAcceptOfferAsksOnce()
    {
        const QDate eventDay(2011, 1, 15);
        openManagementWithAnOffer(eventDay);
        ShellTest::widget<QListWidget>(manager()->currentScreen(), "offers_list")->setCurrentRow(0);
        QCoreApplication::processEvents();
        AnswerSequence answers({"Cancel", "Cancel"});
        const QRect accept = placeOf(ShellTest::widget<QPushButton>(manager()->currentScreen(), "accept_offer_btn"));
        doubleClickAt(accept.center());
        QCOMPARE(answers.texts(), QStringList{"Offered to Jo Park on " + TextDate::shortText(eventDay)});
    }

    // A quick press where a question's answer lay presses nothing on the
    // button the question hid; one on a button it never covered counts.
    void aPressOnWhatAQuestionHidPressesNothing_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("apartMs");
        QTest::addColumn<int>("clicked");
        QTest::addRow("under the answer, 150 ms later") << "" << 150 << 0;
        QTest::addRow("under the answer, 600 ms later") << "" << 600 << 1;
        QTest::addRow("the menu bar's Management, 150 ms later") << "management_module_btn" << 150 << 1;
    }

    void aPressOnWhatAQuestionHidPressesNothing()
    {
        QFETCH(QString, second);
        QFETCH(int, apartMs);
        QFETCH(int, clicked);
        startAGame();
        QCoreApplication::processEvents();
        QPointer<QAbstractButton> below;
        int clicks = -1;
        QObject asking;
        whenAsked(&asking, [&](QWidget *question) {
            const QPoint answer = centreOf(ShellTest::button(question, "Cancel"));
            if (second.isEmpty()) {
                below = new QPushButton(QStringLiteral("Below"), currentScreen());
                below->setGeometry(QRect(currentScreen()->mapFromGlobal(answer) - QPoint(80, 20), QSize(160, 40)));
                below->show();
                below->raise();
            } else {
                below = ShellTest::widget<QPushButton>(window(), second);
            }
            QSignalSpy spy(below.data(), &QAbstractButton::clicked);
            clickAfter(question, question->mapFromGlobal(answer), -1);
            // The button below may ask a question of its own.
            ModalAnswer askedBelow("Cancel");
            clickAfter(window(), window()->mapFromGlobal(second.isEmpty() ? answer : centreOf(below)), apartMs);
            clicks = spy.count();
        });
        manager()->topMenu()->button(MainMenuButton)->click();
        QVERIFY(below);
        QCOMPARE(clicks, clicked);
    }

    // A quick press where a pick in an open list lay presses nothing on the
    // button the list hid, whether the list opened long before the run or
    // by its first press; a pick asks nothing, so a press aimed at a button
    // the list never covered counts.
    void aPressOnWhatAnOpenListHidPressesNothing_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("openedBeforeMs");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("apartMs");
        QTest::addColumn<int>("clicked");
        const QString colours = "gym_secondary_colour";
        QTest::addRow("opened long before, 150 ms after the pick") << colours << -1 << "" << 150 << 0;
        QTest::addRow("opened long before, 600 ms after the pick") << colours << -1 << "" << 600 << 1;
        QTest::addRow("opened 250 ms before the pick, 150 ms after it") << colours << 250 << "" << 150 << 0;
        QTest::addRow("a fighter picked 300 ms after the list opened, the menu bar's Training 150 ms later")
            << "fighter_combo" << 300 << "training_module_btn" << 150 << 1;
    }

    void aPressOnWhatAnOpenListHidPressesNothing()
    {
        QFETCH(QString, combo);
        QFETCH(int, openedBeforeMs);
        QFETCH(QString, second);
        QFETCH(int, apartMs);
        QFETCH(int, clicked);
        if (combo == QLatin1String("fighter_combo"))
            openManagementWithAnOffer(QDate(2011, 1, 15));
        else
            placeOnPage("Advance to Gym Creation", "Advance to Game");
        auto *box = ShellTest::widget<QComboBox>(currentScreen(), combo);
        clickAfter(window(), placeOf(box).center(), -1);
        QWidget *list = box->view()->window();
        QVERIFY(list->isVisible());
        QPoint pick = entryAt(box, 0);
        QPointer<QAbstractButton> below = second.isEmpty() ? nullptr : ShellTest::widget<QPushButton>(window(), second);
        for (int row = 0; !below && row < box->count(); ++row)
            below = buttonAt(pick = entryAt(box, row));
        QVERIFY2(below, "no entry of the list lay over a button");
        const bool covered = list->frameGeometry().intersects(QRect(below->mapToGlobal(QPoint()), below->size()));
        QCOMPARE(covered, second.isEmpty());
        QSignalSpy clicks(below.data(), &QAbstractButton::clicked);
        clickAfter(list, list->mapFromGlobal(pick), openedBeforeMs);
        QVERIFY(!list->isVisible());
        clickAfter(window(), window()->mapFromGlobal(second.isEmpty() ? pick : centreOf(below)), apartMs);
        QCOMPARE(clicks.count(), clicked);
    }

    // The screens' buttons keep whoever listens to them: a listener that
    // came as the screen showed hears every click through the window, over
    // every stage the clicks move through.
    void aListenerHearsEveryClick_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("clicks");
        QTest::addRow("Next Step, from the welcome into the round") << "next_step_btn" << 10;
        QTest::addRow("Start Timer and Stop Timer") << "start_timer_btn" << 4;
        QTest::addRow("Proceed to next day") << "proceed_next_day_btn" << 1;
    }

    void aListenerHearsEveryClick()
    {
        QFETCH(QString, button);
        QFETCH(int, clicks);
        const bool nextDay = button == QLatin1String("proceed_next_day_btn");
        if (nextDay) {
            startAGame();
            manager()->topMenu()->button(NextDayButton)->click();
        } else {
            openLiveEvent(false, 0);
        }
        auto *listened = ShellTest::widget<QPushButton>(currentScreen(), button);
        QSignalSpy heard(listened, &QPushButton::clicked);
        for (int click = 0; click < clicks; ++click) {
            // The tale of the tape comes and goes before "Start Timer" shows.
            for (int stage = 0; !nextDay && !listened->isVisible() && stage < 10; ++stage)
                ShellTest::widget<QPushButton>(currentScreen(), "next_step_btn")->click();
            QTRY_VERIFY(listened->isVisible());
            QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, placeOf(listened).center());
        }
        QCOMPARE(heard.count(), clicks);
    }

    void closingTheWindowAsksFirst()
    {
        startAGame();
        QPointer<QWidget> screen = manager()->currentScreen();
        const QByteArray before = PersistTestAccess::savedBytes();
        ModalAnswer cancel("Cancel");
        window()->close();
        QCOMPARE(cancel.text(), QString("Are you sure you want to quit the game?"));
        QCOMPARE(cancel.styleSheet(), dialogStyleSheet(DialogStyle::AWide));
        QVERIFY(window()->isVisible());
        QCOMPARE(manager()->currentScreen(), screen.data());
        QVERIFY(manager()->isTopMenuVisible());
        QCOMPARE(PersistTestAccess::savedBytes(), before);
    }

    void dialogsOpenOverTheWindowWithItsTitle_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addRow("short") << "Already at max level.";
        QTest::addRow("long, with blanks") << QString("Far too long a sentence. ").repeated(20);
    }

    void dialogsOpenOverTheWindowWithItsTitle()
    {
        QFETCH(QString, sentence);
        GameDialog dialog(DialogStyle::B);
        ModalAnswer answer("Accept");
        dialog.ask(sentence);
        QCOMPARE(answer.windowTitle(), window()->windowTitle());
        QVERIFY(answer.geometry().width() <= window()->width());
        const QPoint offset = answer.geometry().center() - window()->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QString("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    void aBlankSaveNameIsRefused()
    {
        startAGame();
        saveAs("   ", {"Cancel"});
        QCOMPARE(lastTexts, QStringList{"Please choose a save name that is not blank."});
        QCOMPARE(lastButtons, QList<QStringList>{{"Cancel"}});
        QCOMPARE(savedFiles(), QStringList());
    }

    void aLongSaveNameIsCappedAndEveryMessageFits()
    {
        startAGame();
        const QString typed(300, QLatin1Char('W'));
        const QString kept(64, QLatin1Char('W'));
        saveAs(typed, {"Cancel"});
        QCOMPARE(lastTexts, QStringList{"Save as \"" + kept + "\"?"});
        QCOMPARE(savedFiles(), QStringList());

        // Save, overwrite, load and delete under the longest name, each
        // dialog within the window.
        QList<QRect> shown;
        auto answerAll = [&shown](const QStringList &buttons, const std::function<void()> &act) {
            std::vector<std::unique_ptr<ModalAnswer>> answers;
            for (const QString &button : buttons)
                answers.push_back(std::make_unique<ModalAnswer>(button));
            act();
            for (const auto &answer : answers)
                shown << answer->geometry();
        };
        auto *screen = manager()->currentScreen();
        auto *edit = ShellTest::widget<QLineEdit>(screen, "save_name_edit");
        answerAll({"Accept", "Accept"}, [&] {
            edit->setText(typed);
            ShellTest::button(currentScreen(), "Save")->click();
        });
        QCOMPARE(savedFiles(), QStringList{kept + ".dat"});
        answerAll({"Accept", "Accept"}, [&] {
            edit->setText(typed);
            ShellTest::button(currentScreen(), "Save")->click();
        });
        answerAll({"Cancel"}, [&] { ShellTest::button(currentScreen(), "Load")->click(); });
        answerAll({"Accept", "Accept"}, [&] { ShellTest::button(currentScreen(), "Delete")->click(); });
        QCOMPARE(shown.size(), 7);
        for (const QRect &geometry : qAsConst(shown))
            QVERIFY(geometry.isValid() && geometry.width() <= window()->width());
        QCOMPARE(savedFiles(), QStringList());
    }

    void theNewsIsReadFromItsFirstLine()
    {
        WorldTestAccess::freshWorld();
        // Enough fighters for a day's news longer than its view.
        for (int i = 0; i < 60; ++i)
            WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100 + i, "Al", QString::number(i), 100 + i));
        manager()->showTopMenu();
        manager()->topMenu()->button(NextDayButton)->click();
        QWidget *screen = manager()->currentScreen();
        QTRY_VERIFY_WITH_TIMEOUT(ShellTest::widget<QPushButton>(screen, "proceed_next_day_btn")->isVisible(), 5000);
        auto *news = ShellTest::widget<QTextEdit>(screen, "next_day_news");
        QVERIFY(news->isReadOnly());
        QCoreApplication::processEvents();
        QVERIFY(news->verticalScrollBar()->maximum() > 0);
        QCOMPARE(news->verticalScrollBar()->value(), 0);
        QCOMPARE(news->textCursor().position(), 0);
    }
};

QTEST_MAIN(TestShellNewPlayer)
#include "tst_shell_newplayer.moc"
