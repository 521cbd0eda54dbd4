#include <QtTest>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

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

// Before each press reaches the window, lets the window run for the time a
// player leaves between the two presses of a double click: what the first
// press changed is laid out, and a short timer (the next day's start) fires.
// The events' own times still pair the presses into a double click.
class PauseBeforeEachPress : public QObject
{
public:
    explicit PauseBeforeEachPress(QWindow *window) { window->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            QTest::qWait(200);
        return QObject::eventFilter(watched, event);
    }
};

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

    QRect placeOf(QWidget *widget) const { return QRect(widget->mapTo(window(), QPoint()), widget->size()); }

    // A fresh new-game screen on the page of `from` (the first page when
    // empty); where `button` stands there.
    QRect placeOnPage(const QString &from, const QString &button)
    {
        manager()->changeScreen(new Module_NewGame);
        QCoreApplication::processEvents();
        if (!from.isEmpty()) {
            ShellTest::button(currentScreen(), from)->click();
            QCoreApplication::processEvents();
        }
        QPushButton *shown = visibleButton(button);
        return shown ? placeOf(shown) : QRect();
    }

    // Through the window, each press reaching whatever is under the pointer
    // at that moment.
    void doubleClickAt(const QPoint &place)
    {
        PauseBeforeEachPress pause(window()->windowHandle());
        QTest::mouseDClick(window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, place);
    }
    void clickAt(const QPoint &place, int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, place);
    }

    // A live event in the window, from the same dice every time: a few steps
    // into the first round of a bout between others or of the player's own,
    // or on to the end of that round.
    QPushButton *liveEventAt(bool playersBout, bool roundOver)
    {
        using namespace LiveEventFixtures;
        dice.reset();
        dice.reset(new DeterministicRandom);
        const Match match = playersBout ? bout(MatchType::Single, PlayerId, rosterId(0), true)
                                        : bout(MatchType::Single, rosterId(1), rosterId(2));
        manager()->changeScreen(new Module_UserEvents(install({match})));
        QCoreApplication::processEvents();
        auto *screen = ShellTest::currentScreenAs<Module_UserEvents>();
        auto *next = ShellTest::widget<QPushButton>(screen, "next_step_btn");
        // The welcome, the introduction, the tale of the tape, the bell, three steps.
        for (int i = 0; i < 7; ++i)
            next->click();
        for (int i = 0; roundOver && i < 200 && next->text() == QLatin1String("Next Step"); ++i)
            next->click();
        QCoreApplication::processEvents();
        return next;
    }

    // Where the live event stands: its page, its button, the round clock and
    // the commentary.
    QStringList liveEventStage() const
    {
        auto *screen = ShellTest::currentScreenAs<Module_UserEvents>();
        return {ShellTest::widget<QWidget>(screen, "corner_page")->isVisible() ? "corner" : "combat",
                ShellTest::widget<QPushButton>(screen, "next_step_btn")->text(),
                QString("round %1, %2 s left").arg(screen->getRoundNumber()).arg(screen->getSecondsLeft()),
                ShellTest::widget<QTextEdit>(screen, "commentary_view")->toPlainText()};
    }

    QStringList lastTexts;
    QList<QStringList> lastButtons;
    std::unique_ptr<DeterministicRandom> dice;

private slots:
    void initTestCase()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        // The game's own style sheet, for the game's own button places.
        QFile sheet(QCoreApplication::applicationDirPath() + QStringLiteral("/../StyleSheet.css"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        ShellTest::writeFile("StyleSheet.css", sheet.readAll());
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

    void aSecondPressStaysOnItsButton_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("underneath");
        QTest::addColumn<bool>("twice");
        QTest::addColumn<QString>("landsBeside");
        const QString ahead = "Advance to Gym Creation";
        const QString back = "Back to Manager Creation";
        QTest::addRow("double click ahead") << "" << ahead << "Advance to Game" << true << "Advance to Game";
        QTest::addRow("single click ahead") << "" << ahead << "Advance to Game" << false << "Advance to Game";
        QTest::addRow("double click back") << ahead << back << "Back to Main Menu" << true << ahead;
        QTest::addRow("single click back") << ahead << back << "Back to Main Menu" << false << ahead;
    }

    void aSecondPressStaysOnItsButton()
    {
        QFETCH(QString, from);
        QFETCH(QString, pressed);
        QFETCH(QString, underneath);
        QFETCH(bool, twice);
        QFETCH(QString, landsBeside);
        // Where the pressed button and the one the next page puts in its
        // place overlap.
        const QRect pressedPlace = placeOnPage(from, pressed);
        ShellTest::button(currentScreen(), pressed)->click();
        QCoreApplication::processEvents();
        const QRect overlap = pressedPlace & placeOf(ShellTest::button(currentScreen(), underneath));
        QVERIFY(!overlap.isEmpty());

        placeOnPage(from, pressed);
        // Between the two presses the new page is laid out, as it is for a player.
        connect(ShellTest::button(currentScreen(), pressed), &QPushButton::clicked, this,
                [] { QCoreApplication::processEvents(); });
        // Through the window, so that each press reaches whatever is under
        // the pointer at that moment.
        if (twice)
            QTest::mouseDClick(window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, overlap.center());
        else
            QTest::mouseClick(window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, overlap.center());
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NewGame"));
        QVERIFY(visibleButton(landsBeside));
        QVERIFY(!manager()->isTopMenuVisible());
    }

    // A button that stays where it is takes each press of a double click as
    // a click: "Next Step" moves two stages. Once "Tend to Fighter" has
    // moved it to the corner page, the second press does not also begin
    // the next round.
    void aDoubleClickOnTheLiveEventMovesItsStages_data()
    {
        QTest::addColumn<bool>("playersBout");
        QTest::addColumn<bool>("roundOver");
        QTest::addColumn<int>("stages");
        QTest::addRow("next step, a bout between others") << false << false << 2;
        QTest::addRow("next step, the player's bout") << true << false << 2;
        QTest::addRow("tend to fighter") << true << true << 1;
    }

    void aDoubleClickOnTheLiveEventMovesItsStages()
    {
        QFETCH(bool, playersBout);
        QFETCH(bool, roundOver);
        QFETCH(int, stages);
        const QString pressed = roundOver ? "Tend to Fighter" : "Next Step";
        QPushButton *button = liveEventAt(playersBout, roundOver);
        QCOMPARE(button->text(), pressed);
        clickAt(placeOf(button).center(), stages);
        const QStringList afterClicks = liveEventStage();

        button = liveEventAt(playersBout, roundOver);
        doubleClickAt(placeOf(button).center());
        QCOMPARE(liveEventStage(), afterClicks);
    }

    // The menu bar outlives the screens: a double click on one of its
    // buttons opens one screen and runs at most one day. Pressed at its foot,
    // "Next Day" has the next day's "Proceed" come up under the pointer.
    void aDoubleClickOnTheMenuBarOpensOneScreen_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("underneath");
        QTest::addRow("next day") << int(NextDayButton) << 1 << "proceed_next_day_btn";
        QTest::addRow("training") << int(TrainingButton) << 0 << "training_module_btn";
    }

    void aDoubleClickOnTheMenuBarOpensOneScreen()
    {
        QFETCH(int, button);
        QFETCH(int, days);
        QFETCH(QString, underneath);
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
        doubleClickAt(foot);
        QTest::qWait(2 * Module_NextDay::StartDelayMs);
        QVERIFY2(opened, "the screen the first press opened was replaced");
        QCOMPARE(manager()->currentScreen(), opened.data());
        QCOMPARE(World::Instance().getDate(), today.addDays(days));
        // The second press had a button to land on.
        QCOMPARE(window()->childAt(foot)->objectName(), underneath);
    }

    // A question between the two presses: the second press does not ask it
    // again.
    void aDoubleClickOnAcceptOfferAsksOnce()
    {
        const QDate eventDay(2011, 1, 15);
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1101, "Jo", "Park", 100));
        WorldTestAccess::addOffer(WorldFixtures::offer(1101, "Jo Park", "G1 Event", "G1", eventDay));
        manager()->showTopMenu();
        manager()->changeScreen(new Module_Management);
        QCoreApplication::processEvents();
        ShellTest::widget<QListWidget>(manager()->currentScreen(), "offers_list")->setCurrentRow(0);
        QCoreApplication::processEvents();
        AnswerSequence answers({"Cancel", "Cancel"});
        const QRect accept = placeOf(ShellTest::widget<QPushButton>(manager()->currentScreen(), "accept_offer_btn"));
        doubleClickAt(accept.center());
        QCOMPARE(answers.texts(), QStringList{"Offered to Jo Park on " + TextDate::shortText(eventDay)});
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
