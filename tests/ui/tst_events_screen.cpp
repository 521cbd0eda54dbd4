#include <QtTest>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "core/WorldTestAccess.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_Events.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/ModuleManager.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

const QDate newYear(2011, 1, 1);
const QDate nextWeek(2011, 1, 8);
const int freeAgentId = 1101;
const int signedId = 1102;
const QString question = "Are you sure you want to negotiate an appearance for this event?";
const QString notAvailable = "The event is not available. \nKeep in mind the organization is not going to want "
                             "to sign a 1 match contract for the main event.";

// What an appearance may change: contracts, bookings, offers and cards (a
// refusal may still cool the organization's willingness).
struct Bookkeeping
{
    QStringList contracts;
    QVector<Offer> bookings;
    QVector<Offer> offers;
    QVector<Event> cards;

    static Bookkeeping now()
    {
        Bookkeeping state;
        for (int position = 0; position < WorldTestAccess::rosterFighters().size(); ++position) {
            QString organization;
            int matches = 0, purse = 0;
            World::Instance().getContractInfo(organization, matches, purse, position);
            state.contracts << organization + '/' + QString::number(matches) + '/' + QString::number(purse);
        }
        state.bookings = WorldTestAccess::bookings();
        state.offers = WorldTestAccess::offers();
        for (const Organization &organization : WorldTestAccess::organizations())
            organization.getEvents(state.cards);
        return state;
    }
    bool operator==(const Bookkeeping &other) const
    {
        return contracts == other.contracts && bookings == other.bookings && offers == other.offers
            && cards == other.cards;
    }
};

QVector<Match> openCard()
{
    return {WorldFixtures::match("Championship Match"),
            WorldFixtures::match("Single Match", "Bo Lee", 1200, "Cy Vo", 1201),
            WorldFixtures::match("Single Match"), WorldFixtures::match("Single Match"),
            WorldFixtures::match("Single Match", "Main One", 1300, "Main Two", 1301)};
}

// Three organizations: Alpha League (next event today, another next week),
// Beta Circuit (unwilling) and Gamma Fights, whose event next week holds a
// fighter of the player's.
void buildWorld(bool withFighters = true)
{
    WorldTestAccess::freshWorld();
    WorldTestAccess::setDate(newYear);
    using WorldFixtures::eventOn;
    WorldTestAccess::addOrganization(WorldFixtures::organization(
        "Alpha League", "National",
        {eventOn("Alpha Night 1", "Alpha League", newYear, openCard()),
         eventOn("Alpha Night 2", "Alpha League", nextWeek, openCard())}));
    WorldTestAccess::addOrganization(WorldFixtures::organization(
        "Beta Circuit", "National", {eventOn("Beta Bash", "Beta Circuit", nextWeek, openCard())}, {}, {},
        "Unwilling"));
    const QVector<Match> gammaCard{WorldFixtures::match("Single Match", "Cy Dee", signedId, "TBA", 0, true)};
    WorldTestAccess::addOrganization(WorldFixtures::organization(
        "Gamma Fights", "National", {eventOn("Gamma Gala", "Gamma Fights", nextWeek, gammaCard, true)}));
    if (!withFighters)
        return;
    // Charisma 2: no mood of the organization finds him unmarketable.
    WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(freeAgentId, "Al", "Ray", 8000, "Free Agent", 2));
    WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(signedId, "Cy", "Dee", 7000, "Gamma Fights", 2));
}

QStringList emptyCard()
{
    return QStringList({"", "", "", "", "", ""});
}

QStringList rows(const QListWidget *list)
{
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

} // namespace

// The events screen: the calendar's days, an event's card, and every way a
// one-match appearance can end.
class TestEventsScreen : public QObject
{
    Q_OBJECT

private:
    QWidget *screen() const { return ModuleManager::Instance()->currentScreen(); }
    template <typename T>
    T *find(const QString &name) const { return ShellTest::widget<T>(screen(), name); }
    QListWidget *dayList() const { return find<QListWidget>("day_events_list"); }
    QCalendarWidget *calendar() const { return find<QCalendarWidget>("events_calendar"); }
    QStringList card() const
    {
        QStringList texts;
        for (const char *name : {"event_name_edit", "organization_edit", "event_city_edit",
                                 "prestige_level_edit", "event_type_edit", "title_edit"})
            texts << find<QLineEdit>(name)->text();
        return texts;
    }
    void open() { ModuleManager::Instance()->changeScreen(new Module_Events); }
    void clickDay(const QDate &day)
    {
        calendar()->setSelectedDate(day);
        emit calendar()->clicked(day);
    }
    void choose(const QDate &day, const QString &eventName)
    {
        clickDay(day);
        const QStringList names = rows(dayList());
        dayList()->setCurrentRow(names.indexOf(eventName));
    }
    void negotiate() { find<QPushButton>("negotiate_appearance_btn")->click(); }

private slots:
    void init()
    {
        ShellTest::startGame();
        buildWorld();
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->window()->show();
        open();
    }
    void cleanup() { ShellTest::stopGame(); }

    void opensOnTheGameDate()
    {
        QCOMPARE(find<QLabel>("date_label")->text(), QString("Today's Date: Saturday, January 1, 2011"));
        QCOMPARE(calendar()->selectedDate(), newYear);
        QVERIFY(!calendar()->isNavigationBarVisible());
        QCOMPARE(find<QLabel>("day_header_label")->text(), QString("Events for Saturday, January 1, 2011"));
        QCOMPARE(rows(dayList()), QStringList{"Alpha Night 1"});
        QCOMPARE(dayList()->currentRow(), -1);
        QComboBox *fighters = find<QComboBox>("fighter_combo");
        QCOMPARE(fighters->count(), 2);
        QCOMPARE(fighters->itemText(0), QString("Al Ray"));
        QCOMPARE(fighters->itemText(1), QString("Cy Dee"));
        QCOMPARE(fighters->currentIndex(), 0);
        QCOMPARE(find<QLineEdit>("purse_edit")->text(), QString("0"));
    }

    void anotherDayClicked()
    {
        choose(newYear, "Alpha Night 1");
        QCOMPARE(card().first(), QString("Alpha Night 1"));
        clickDay(nextWeek);
        QCOMPARE(find<QLabel>("day_header_label")->text(), QString("Events for Saturday, January 8, 2011"));
        // The world's order; the event holding the player's fighter too.
        QCOMPARE(rows(dayList()), QStringList({"Alpha Night 2", "Beta Bash", "Gamma Gala"}));
        QCOMPARE(dayList()->currentRow(), -1);
        QCOMPARE(card(), emptyCard());
        QCOMPARE(find<QListWidget>("match_list")->count(), 0);

        clickDay(QDate(2011, 1, 3));
        QCOMPARE(find<QLabel>("day_header_label")->text(), QString("Events for Monday, January 3, 2011"));
        QCOMPARE(dayList()->count(), 0);
    }

    void aChosenEventsCard()
    {
        // A logo for Alpha League only, in the test's own folder.
        QVERIFY(QDir().mkpath("Resources/Org Logos"));
        QImage logo(40, 40, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QVERIFY(logo.save(ResourcePaths::orgLogo("Alpha League")));

        choose(nextWeek, "Alpha Night 2");
        QCOMPARE(card(), QStringList({"Alpha Night 2", "Alpha League", "Tokyo", "National", "Single Event", "No Title"}));
        const QStringList matches = rows(find<QListWidget>("match_list"));
        QCOMPARE(matches.size(), 10);
        QCOMPARE(matches.mid(0, 4), QStringList({"Championship Match", "TBA vs. TBA\n", "Single Match", "Bo Lee vs. Cy Vo\n"}));
        QLabel *logoLabel = find<QLabel>("logo_label");
        QCOMPARE(logoLabel->size(), QSize(250, 250));
        QVERIFY(!logoLabel->pixmap(Qt::ReturnByValue).isNull());

        dayList()->setCurrentRow(2);
        QCOMPARE(card().first(), QString("Gamma Gala"));
        QCOMPARE(rows(find<QListWidget>("match_list")), QStringList({"Single Match", "Cy Dee vs. TBA\n"}));
        QVERIFY(logoLabel->pixmap(Qt::ReturnByValue).isNull());
        QFile::remove(ResourcePaths::orgLogo("Alpha League"));
    }

    void noEventChosen()
    {
        ModalAnswer notice("OK");
        negotiate();
        QCOMPARE(notice.text(), QString("Please select an event."));
        QCOMPARE(notice.buttons(), QStringList{"OK"});
        QCOMPARE(notice.styleSheet(), dialogStyleSheet(DialogStyle::A));
        // The next question shows both buttons again.
        choose(newYear, "Alpha Night 1");
        ModalAnswer confirmation("Cancel");
        negotiate();
        QCOMPARE(confirmation.text(), question);
        QCOMPARE(confirmation.buttons(), QStringList({"Accept", "Cancel"}));
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("withFighters");
        QTest::addColumn<int>("fighter");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("purse");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        const QStringList accepted{"Accept", "OK"};
        QTest::addRow("no fighters") << false << 0 << "Alpha Night 1" << "0" << QStringList{"OK"}
                                     << QStringList{"You have no fighters."};
        QTest::addRow("under contract") << true << 1 << "Alpha Night 1" << "0" << QStringList{"OK"}
                                        << QStringList{"This fighter is already signed to a contract."};
        QTest::addRow("under contract with the event's own organization")
            << true << 1 << "Gamma Gala" << "0" << QStringList{"OK"}
            << QStringList{"This fighter is already signed to a contract."};
        QTest::addRow("the question cancelled") << true << 0 << "Alpha Night 1" << "0" << QStringList{"Cancel"}
                                                << QStringList{question};
        QTest::addRow("an unwilling organization")
            << true << 0 << "Beta Bash" << "0" << accepted
            << QStringList{question, "Beta Circuit has turned down your offer. This company is unwilling to "
                                     "negotiate with you for the time being."};
        QTest::addRow("a purse too high") << true << 0 << "Alpha Night 1" << "100000" << accepted
                                          << QStringList{question, "Alpha League has turned down your offer. "
                                                                   "Your money demands are too high."};
        QTest::addRow("not the organization's next event") << true << 0 << "Alpha Night 2" << "0" << accepted
                                                           << QStringList{question, notAvailable};
    }
    void refusals()
    {
        QFETCH(bool, withFighters);
        QFETCH(int, fighter);
        QFETCH(QString, event);
        QFETCH(QString, purse);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        if (!withFighters) {
            buildWorld(false);
            open();
            QCOMPARE(find<QComboBox>("fighter_combo")->count(), 0);
        }
        const Bookkeeping before = Bookkeeping::now();
        find<QComboBox>("fighter_combo")->setCurrentIndex(fighter);
        find<QLineEdit>("purse_edit")->setText(purse);
        choose(event == "Alpha Night 1" ? newYear : nextWeek, event);

        AnswerSequence dialogs(answers);
        negotiate();
        QCOMPARE(dialogs.texts(), messages);
        if (messages.size() == 2)
            QCOMPARE(dialogs.buttons().last(), QStringList{"OK"});
        QVERIFY(Bookkeeping::now() == before);
        QCOMPARE(card().first(), event);
    }

    void anAppearanceSigned_data()
    {
        QTest::addColumn<QString>("purse");
        QTest::addColumn<int>("contracted");
        QTest::addRow("a typed purse") << "1200" << 1200;
        QTest::addRow("no number") << "lots" << 0;
        // Worked out by the world: (no reputation points + 1000) times the
        // National tier's factor 2.
        QTest::addRow("negative: the world's own") << "-5" << 2000;
    }
    void anAppearanceSigned()
    {
        QFETCH(QString, purse);
        QFETCH(int, contracted);
        WorldTestAccess::addOffer(WorldFixtures::offer(freeAgentId, "Al Ray", "Other Night", "Gamma Fights", nextWeek));
        WorldTestAccess::addOffer(WorldFixtures::offer(signedId, "Cy Dee", "Other Night", "Gamma Fights", nextWeek));
        find<QLineEdit>("purse_edit")->setText(purse);
        choose(newYear, "Alpha Night 1");

        AnswerSequence dialogs({"Accept", "OK"});
        negotiate();
        QCOMPARE(dialogs.texts(), QStringList({question, "The contract has been signed."}));

        QString organization;
        int matches = 0, shownPurse = 0;
        World::Instance().getContractInfo(organization, matches, shownPurse, 0);
        QCOMPARE(organization, QString("Alpha League"));
        QCOMPARE(matches, 1);
        QCOMPARE(shownPurse, contracted);

        const Event booked = WorldTestAccess::organization("Alpha League").getNextEvent(newYear);
        QVERIFY(booked.hasPlayerFighter());
        const QVector<Match> card = booked.getMatches();
        // The first open single match, not the championship or the main event.
        QCOMPARE(card.at(2).getIdA(), freeAgentId);
        QVERIFY(!card.at(0).isFilled() && card.at(0).getIdA() == 0);
        QCOMPARE(card.at(3).getIdA(), 0);

        const QVector<Offer> offers = WorldTestAccess::offers();
        QCOMPARE(offers.size(), 1);
        QCOMPARE(offers.first().getId(), signedId);
        const QVector<Offer> bookings = WorldTestAccess::bookings();
        Offer expected;
        expected.set(freeAgentId, {"Al Ray", "Alpha Night 1", "Alpha League"}, newYear);
        QVERIFY(bookings.contains(expected));

        QCOMPARE(rows(dayList()), QStringList{"Alpha Night 1"});
        QCOMPARE(dayList()->currentRow(), -1);
        QCOMPARE(this->card(), emptyCard());
    }

    // The keyboard moves the calendar's selection without a click: the
    // appearance still goes with the event shown, on its own day.
    void theSelectionMovedByKey_data()
    {
        QTest::addColumn<QDate>("clicked");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("signs");
        QTest::addRow("next event, moved a week on") << newYear << "Alpha Night 1" << int(Qt::Key_Down) << true;
        QTest::addRow("a later event, moved back to the next one's day")
            << nextWeek << "Alpha Night 2" << int(Qt::Key_Up) << false;
    }
    void theSelectionMovedByKey()
    {
        QFETCH(QDate, clicked);
        QFETCH(QString, event);
        QFETCH(int, key);
        QFETCH(bool, signs);
        choose(clicked, event);
        QTableView *days = ShellTest::widget<QTableView>(calendar(), QString());
        days->setFocus();
        QTest::keyClick(days, Qt::Key(key));
        QVERIFY(calendar()->selectedDate() != clicked);
        QCOMPARE(card().first(), event);

        const Bookkeeping before = Bookkeeping::now();
        AnswerSequence dialogs({"Accept", "OK"});
        negotiate();
        QCOMPARE(dialogs.texts().last(), signs ? QString("The contract has been signed.") : notAvailable);
        if (!signs) {
            QVERIFY(Bookkeeping::now() == before);
            return;
        }
        Offer expected;
        expected.set(freeAgentId, {"Al Ray", "Alpha Night 1", "Alpha League"}, newYear);
        QVERIFY(WorldTestAccess::bookings().contains(expected));
        // The list still shows the day the event is on.
        QCOMPARE(rows(dayList()), QStringList{"Alpha Night 1"});
    }

    void aSecondVisitOpensFresh()
    {
        choose(nextWeek, "Beta Bash");
        find<QLineEdit>("purse_edit")->setText("900");
        open();
        QCOMPARE(calendar()->selectedDate(), newYear);
        QCOMPARE(rows(dayList()), QStringList{"Alpha Night 1"});
        QCOMPARE(card(), emptyCard());
        QCOMPARE(find<QLineEdit>("purse_edit")->text(), QString("0"));
    }
};

QTEST_MAIN(TestEventsScreen)
#include "tst_events_screen.moc"
