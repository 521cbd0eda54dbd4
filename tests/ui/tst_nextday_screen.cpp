#include <QtTest>

#include <QProgressBar>
#include <QSignalSpy>
#include <QPushButton>
#include <QTextEdit>

#include "TestSupport.h"
#include "core/LeagueFixtures.h"
#include "core/LiveEventFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/GymFighter.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_NextDay.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/TopMenuBar.h"
#include "world/World.h"
#include "records/TextDate.h"

namespace {

QStringList newsParagraphs(QWidget *screen)
{
    const QString text = ShellTest::widget<QTextEdit>(screen, "next_day_news")->toPlainText();
    return text.split('\n');
}

// Lets the screen's start timer fire and the day run.
void runTheDay()
{
    QTRY_VERIFY_WITH_TIMEOUT(
        ShellTest::widget<QPushButton>(ModuleManager::Instance()->currentScreen(), "proceed_next_day_btn")->isVisible(),
        5000);
}

} // namespace

// The next day from the menu bar: the day runs once, its news is printed
// section by section, and "Proceed to next day" leads back to the game.
class TestNextDayScreen : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }
    TopMenuBar *bar() const { return manager()->topMenu(); }

private slots:
    void init()
    {
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Al", "Ray", 8000));
        manager()->showTopMenu();
        manager()->window()->show();
    }

    void cleanup() { ShellTest::stopGame(); }

    void theDayRunsOnceAndPrintsItsSections()
    {
        const QDate today = World::Instance().getDate();
        bar()->button(TrainingButton)->click();
        bar()->button(NextDayButton)->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
        QWidget *screen = manager()->currentScreen();
        QPushButton *proceed = ShellTest::widget<QPushButton>(screen, "proceed_next_day_btn");
        QVERIFY(!proceed->isVisible());
        QCOMPARE(World::Instance().getDate(), today);

        runTheDay();
        QCOMPARE(World::Instance().getDate(), today.addDays(1));
        QCOMPARE(proceed->text(), QString("Proceed to next day"));
        QVERIFY(!ShellTest::widget<QProgressBar>(screen, "next_day_progress")->isVisible());

        const QStringList news = newsParagraphs(screen);
        QCOMPARE(news.first(), "News for " + TextDate::shortText(today));
        QCOMPARE(news.at(1), QString("Gym Info: "));
        QVERIFY(news.at(2).startsWith("Al Ray "));
        // Every section is printed, in order, even when it has no news.
        int last = 0;
        for (const char *header : {"Fighter News: ", "Free Agent News: ", "Contract News: ",
                                      "Event booking news: "}) {
            const int at = news.indexOf(QString(header));
            QVERIFY2(at > last, header);
            last = at;
        }
        // A day without events prints no event block.
        QVERIFY(!news.join('\n').contains(" event results: "));

        // The day does not run again while the screen stays up.
        QTest::qWait(2 * Module_NextDay::StartDelayMs);
        QCOMPARE(World::Instance().getDate(), today.addDays(1));

        proceed->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_Training"));
        QVERIFY(manager()->isTopMenuVisible());
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 1);
    }

    // A fighter whose name would pass for markup reads as written in the news.
    void theNewsQuotesNamesAsWritten_data()
    {
        ShellTest::addMarkupNameRows("lastName");
    }

    void theNewsQuotesNamesAsWritten()
    {
        QFETCH(QString, lastName);
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Quill", lastName, 8000));
        manager()->changeScreen(new Module_NextDay);
        runTheDay();
        const QStringList news = newsParagraphs(manager()->currentScreen());
        QVERIFY2(news.contains("Quill " + lastName + " rested today."), qPrintable(news.join('|')));
    }

    // The player's card is the event screen's: the day fights none of it.
    void aPlayersEventIsLeftToTheEventScreen()
    {
        const QDate today = World::Instance().getDate();
        const QVector<Match> card{WorldFixtures::match("Single Match", "Al Ray", 1100, "Bo Lee", 1200, true)};
        const Event event = WorldFixtures::eventOn("Fight Night 1", "Test League", today, card, true);
        const QVector<Fighter> members{WorldFixtures::fighter(1200, "Bo", "Lee", 100, "Test League")};
        WorldTestAccess::addOrganization(WorldFixtures::organization("Test League", "National", {event}, members));

        manager()->changeScreen(new Module_NextDay);
        runTheDay();

        const QStringList news = newsParagraphs(manager()->currentScreen());
        QCOMPARE(news.indexOf("Fight Night 1 event results: "), -1);
        QMultiMap<QDate, QString> history;
        WorldTestAccess::rosterFighters().first().getHistory(history);
        QCOMPARE(history.size(), 0);
        QVector<Event> events;
        WorldTestAccess::organizations().first().getEvents(events);
        QCOMPARE(events.size(), 1);
        QVERIFY(events.first().getResultLines().isEmpty());
        QCOMPARE(events.first().getMatches(), card);
    }

    // Today's cards of the organizations are fought with the day, the bar
    // counting its six stretches on the way.
    void todaysCardsFoughtWithProgress()
    {
        LeagueFixtures::addTournamentAndTitleCard(World::Instance().getDate());
        manager()->changeScreen(new Module_NextDay);
        QSignalSpy progress(ShellTest::widget<QProgressBar>(manager()->currentScreen(), "next_day_progress"),
                            &QProgressBar::valueChanged);
        runTheDay();
        QList<int> values;
        for (const QList<QVariant> &signal : qAsConst(progress))
            values << signal.first().toInt();
        QCOMPARE(values, QList<int>({1, 2, 3, 4, 5, 6}));

        // Header; quarterfinal, booking, quarterfinal, booking (each booking
        // with its break); the semifinal they filled and its empty booking;
        // the championship; the block's close.
        const QStringList news = newsParagraphs(manager()->currentScreen());
        const int block = news.indexOf("O1 Night event results: ");
        QVERIFY(block > 0);
        const QStringList starts{"Tournament Quarterfinal - ", "Booked ", "", "Tournament Quarterfinal - ",
                                 "Booked ", "", "Tournament Semifinal - ", "", "", "Championship Match - ", "",
                                 "", "", "Fighter News: "};
        for (int i = 0; i < starts.size(); ++i) {
            const QString paragraph = news.value(block + 1 + i);
            QVERIFY2(starts.at(i).isEmpty() ? paragraph.isEmpty() : paragraph.startsWith(starts.at(i)),
                     qPrintable(QString::number(i) + ": " + paragraph));
        }
    }

    // Next Day plays the player's event live first; the summary's way on
    // then runs the day, which leaves the played card alone.
    void aPlayersEventIsPlayedLiveBeforeTheDay()
    {
        DeterministicRandom dice;
        const Event event = LiveEventFixtures::install(LiveEventFixtures::threeBoutCard());
        const QDate today = event.getDate();
        bar()->button(NextDayButton)->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_UserEvents"));
        for (int i = 0; i < 20000 && ShellTest::currentScreenAs<Module_UserEvents>(); ++i)
            ShellTest::widget<QPushButton>(manager()->currentScreen(), "next_step_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_PostEvent"));
        ShellTest::widget<QPushButton>(manager()->currentScreen(), "proceed_btn")->click();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_NextDay"));
        runTheDay();
        QCOMPARE(World::Instance().getDate(), today.addDays(1));

        // The three bouts were fought once, on the live screen.
        const QStringList news = newsParagraphs(manager()->currentScreen());
        QCOMPARE(news.indexOf("Fight Night 1 event results: "), -1);
        QMultiMap<QDate, QString> history;
        WorldTestAccess::rosterFighters().first().getHistory(history);
        QCOMPARE(history.size(), 1);
        const Event played = WorldTestAccess::organization(LiveEventFixtures::League).getNextEvent(today);
        QCOMPARE(played.getResultLines().size(), 3);
        QVERIFY(played.getResultLines().at(1).contains("Al Ray"));
    }
};

QTEST_MAIN(TestNextDayScreen)
#include "tst_nextday_screen.moc"
