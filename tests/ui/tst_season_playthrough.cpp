#include <QtTest>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include <memory>

#include "TestSupport.h"
#include "records/GameDataStream.h"
#include "records/Fighter.h"
#include "records/Gym.h"
#include "records/TextDate.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ScreenGallery.h"
#include "ui/ScreenShots.h"
#include "ui/SeasonDriver.h"
#include "ui/ShellTestSupport.h"
#include "ui/business/Module_Management.h"
#include "world/World.h"

namespace {

// Well inside CTest's ten minutes.
const qint64 DeadlineMs = 300000;
// Caps in game days.
const int DaysForStudent = 30;
const int DaysForOffer = 60;
const int DaysForAppearance = 120;
const int DaysForBout = 120;
// A top-menu screen is opened every this many days of the long run.
const int DaysBetweenVisits = 23;

const char *const TierOrder[] = {"Regional", "National", "International", "World Class", "Elite"};

QByteArray worldBytes()
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    World::Instance().save(out);
    return bytes;
}

QVector<int> gymStats()
{
    QVector<int> stats;
    World::Instance().getGymStats(stats);
    return stats;
}

QStringList rosterNames()
{
    QStringList names;
    World::Instance().getRosterNames(names);
    return names;
}

QByteArray fileBytes(const QString &saveName)
{
    QFile file(QStringLiteral("Resources/Saves/") + saveName + QStringLiteral(".dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// His booked event and its date, empty when he has none (a cleared
// booking reads "N/A - N/A").
QString bookingOf(const QString &fighterName)
{
    const QString booking = World::Instance().getBookingDescriptions().value(fighterName);
    return booking.startsWith(QLatin1String("N/A")) ? QString() : booking;
}

QString text(const QString &objectName, SeasonDriver &driver)
{
    if (auto *edit = driver.find<QLineEdit>(objectName))
        return edit->text();
    if (auto *label = driver.find<QLabel>(objectName))
        return label->text();
    return QString();
}

} // namespace

// One season of the game played through its window, from the main menu's
// New Game to a save loaded back a year later: the screens are driven by
// their object names, clicks and dialog answers only, and the world is read
// to check what they did. Every wait is capped in game days and the whole
// run in wall clock. With RINGWRIGHT_GALLERY naming a folder, it also
// takes a picture of every screen and page on the way.
class TestSeasonPlaythrough : public QObject
{
    Q_OBJECT

private:
    ScreenGallery gallery = ScreenGallery::fromEnvironment();
    std::unique_ptr<SeasonDriver> driver;
    std::unique_ptr<DeterministicRandom> random;
    QString fighterName;
    QString upgradeCostsInJanuary;

    // A picture for the gallery, and the lines of the screen's lists must
    // fit their width.
    void look(const QString &name)
    {
        QCoreApplication::processEvents();
        if (!gallery.shootWindow(name))
            pictureFaults << name + QStringLiteral(": no picture");
        const QStringList cut = driver->listsCutSideways();
        if (!cut.isEmpty() && !pictureFaults.contains(name + QLatin1Char(':') + cut.join(QLatin1Char(','))))
            pictureFaults << name + QLatin1Char(':') + cut.join(QLatin1Char(','));
    }
    QStringList pictureFaults;

    bool check(bool condition, const QString &message) { return condition || driver->fail(message); }

    bool newGame();
    bool upgradeGym();
    bool promoteStudent();
    bool bookFighter();
    bool showsBookedEvent(const QString &eventName);
    bool acceptOffer();
    bool negotiateAppearance();
    bool appearOnEventPage(int tier);
    bool fightBooking();
    bool negotiateContract();
    bool runToFebruary();
    bool runToNextYear();
    bool visitScreens();
    bool saveAndLoad();
    bool shootDialogs();

private slots:
    void initTestCase();
    void cleanupTestCase();
    void season();
};

void TestSeasonPlaythrough::initTestCase()
{
    ENTER_GAME_COPY();
    random.reset(new DeterministicRandom(0, 2011));
    driver.reset(new SeasonDriver(gallery, DeadlineMs));
    ShellTest::startGame();
}

void TestSeasonPlaythrough::cleanupTestCase()
{
    ShellTest::stopGame();
    driver.reset();
    random.reset();
}

void TestSeasonPlaythrough::season()
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(newGame(), qPrintable(driver->failure()));
    QVERIFY2(upgradeGym(), qPrintable(driver->failure()));
    QVERIFY2(promoteStudent(), qPrintable(driver->failure()));
    QVERIFY2(bookFighter(), qPrintable(driver->failure()));
    QVERIFY2(fightBooking(), qPrintable(driver->failure()));
    QVERIFY2(negotiateContract(), qPrintable(driver->failure()));
    QVERIFY2(runToFebruary(), qPrintable(driver->failure()));
    QVERIFY2(runToNextYear(), qPrintable(driver->failure()));
    QVERIFY2(saveAndLoad(), qPrintable(driver->failure()));
    QVERIFY2(shootDialogs(), qPrintable(driver->failure()));

    QVERIFY2(pictureFaults.isEmpty(), qPrintable(pictureFaults.join(QLatin1Char(' '))));
    QCOMPARE(ShellTest::liveScreens().size(), 1);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(gallery.writeContactSheet());
    QStringList texts;
    QVector<int> numbers;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    QStringList titles;
    World::Instance().getFighterProfile(texts, numbers, birthday, history, titles,
                                        qMax(0, rosterNames().indexOf(fighterName)));
    qInfo("season: %d live events (his record %d-%d), %d level-ups, %lld ms", driver->liveEventsPlayed(),
          numbers.value(Fighter::WinsIndex), numbers.value(Fighter::LossesIndex), driver->levelUps(),
          clock.elapsed());
}

bool TestSeasonPlaythrough::newGame()
{
    driver->setStep(QStringLiteral("new game"));
    SeasonDriver::settle();
    if (!check(ShellTest::currentScreenClass() == QLatin1String("Module_MainMenu"), QStringLiteral("no main menu")))
        return false;
    look(QStringLiteral("mainmenu"));
    if (!driver->clickText(QStringLiteral("New Game")))
        return false;
    if (!driver->setText(QStringLiteral("manager_first_name"), QStringLiteral("Ada"))
        || !driver->setText(QStringLiteral("manager_last_name"), QStringLiteral("Stone")))
        return false;
    for (const char *name : {"manager_region", "manager_nationality"}) {
        auto *combo = driver->need<QComboBox>(QLatin1String(name));
        if (!combo)
            return false;
        combo->setCurrentIndex(1);
        emit combo->activated(1);
    }
    // The corner's skills and Charisma (a win adds half of it to his
    // reputation) first, then the rest spread over every skill.
    for (const char *name : {"skill_Cornering", "skill_Motivating", "skill_Negotiating", "skill_Charisma"}) {
        auto *spin = driver->need<QSpinBox>(QLatin1String(name));
        if (!spin)
            return false;
        spin->setValue(10);
    }
    auto *points = driver->need<QLabel>(QStringLiteral("manager_skill_points"));
    if (!points)
        return false;
    SeasonDriver::spendPoints(driver->screen()->findChildren<QSpinBox *>().toVector(), points);
    if (!check(points->text() == QLatin1String("Skill Points: 0"), points->text()))
        return false;
    look(QStringLiteral("newgame_manager"));
    if (!driver->clickText(QStringLiteral("Advance to Gym Creation")))
        return false;
    if (!driver->setText(QStringLiteral("gym_name"), QStringLiteral("Season Gym")))
        return false;
    for (const char *name : {"gym_style", "gym_primary_colour", "gym_secondary_colour"}) {
        auto *combo = driver->need<QComboBox>(QLatin1String(name));
        if (!combo)
            return false;
        combo->setCurrentIndex(combo->count() > 3 ? 3 : combo->count() - 1);
        emit combo->activated(combo->currentIndex());
    }
    look(QStringLiteral("newgame_gym"));
    if (!driver->clickText(QStringLiteral("Advance to Game")))
        return false;
    if (!check(ShellTest::currentScreenClass() == QLatin1String("Module_Profile")
                   && ModuleManager::Instance()->isTopMenuVisible(),
               QStringLiteral("the game did not open on the profile with the menu")))
        return false;
    const QVector<int> stats = gymStats();
    if (!check(stats.value(Gym::MoneyIndex) == 10000 && stats.value(Gym::StudentSlotsIndex) == 3
                   && stats.value(Gym::FighterSlotsIndex) == 1,
               QStringLiteral("a new gym should have $10,000, 3 student slots and 1 fighter slot")))
        return false;
    look(QStringLiteral("profile_manager"));
    return true;
}

bool TestSeasonPlaythrough::upgradeGym()
{
    driver->setStep(QStringLiteral("training: upgrades"));
    if (!driver->openMenu(QStringLiteral("training_module_btn"), "Module_Training"))
        return false;
    look(QStringLiteral("training_gym"));
    const int money = gymStats().value(Gym::MoneyIndex);
    const int level = gymStats().value(Gym::LevelIndex);
    {
        AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("Accept")});
        if (!driver->click(QStringLiteral("upgrade_gym_button")))
            return false;
        if (!check(answers.texts().value(1) == QLatin1String("Successfully upgraded."), answers.texts().join('|')))
            return false;
    }
    {
        AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("Accept")});
        if (!driver->click(QStringLiteral("equipment_button_0")))
            return false;
        if (!check(answers.texts().value(1) == QLatin1String("Successfully upgraded."), answers.texts().join('|')))
            return false;
    }
    const QVector<int> stats = gymStats();
    const int spent = Gym::levelPrice(level) + Gym::equipmentPrice(0);
    if (!check(stats.value(Gym::LevelIndex) == level + 1 && stats.value(Gym::FirstEquipmentIndex) == 1
                   && stats.value(Gym::MoneyIndex) == money - spent,
               QStringLiteral("the upgrades were not bought")))
        return false;
    upgradeCostsInJanuary = Module_Management::moneyText(spent);
    return true;
}

bool TestSeasonPlaythrough::promoteStudent()
{
    driver->setStep(QStringLiteral("a student promoted"));
    QStringList students;
    for (int day = 0; day < DaysForStudent && students.isEmpty(); ++day) {
        if (!driver->passDay())
            return false;
        World::Instance().getStudentNames(students);
    }
    if (!check(!students.isEmpty(), QStringLiteral("no student within %1 days").arg(DaysForStudent)))
        return false;

    if (!driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management")
        || !driver->click(QStringLiteral("view_students_btn")))
        return false;
    look(QStringLiteral("management_students"));
    auto *combo = driver->find<QComboBox>(QStringLiteral("student_combo"));
    if (!check(combo && combo->count() == students.size(), QStringLiteral("the students page lists no student")))
        return false;
    fighterName = combo->currentText();
    {
        AnswerSequence answers({QStringLiteral("Accept")});
        if (!driver->click(QStringLiteral("train_student_btn")))
            return false;
        if (!check(answers.texts().value(0) == QStringLiteral("Are you sure you want to train ") + fighterName + '?',
                   answers.texts().join('|')))
            return false;
    }
    if (!check(rosterNames().contains(fighterName), QStringLiteral("he is no fighter of the gym")))
        return false;
    if (!driver->click(QStringLiteral("back_to_management_btn")))
        return false;
    look(QStringLiteral("management_main"));

    if (!driver->openMenu(QStringLiteral("training_module_btn"), "Module_Training")
        || !driver->click(QStringLiteral("to_training_plans_button")))
        return false;
    auto *fighters = driver->find<QComboBox>(QStringLiteral("fighter_combo"));
    if (!check(fighters && fighters->findText(fighterName) >= 0, QStringLiteral("the plans page does not list him")))
        return false;
    fighters->setCurrentIndex(fighters->findText(fighterName));
    if (!driver->click(QStringLiteral("plan_button_1")))
        return false;
    look(QStringLiteral("training_plans"));
    if (!driver->passDay())
        return false;
    const QString gymInfo = driver->lastNews().section(QStringLiteral("Gym Info: "), 1).section(QStringLiteral("\n\n"), 0, 0);
    return check(gymInfo.contains(fighterName.section(' ', -1)),
                 QStringLiteral("the next \"Gym Info: \" does not name him: ") + gymInfo);
}

bool TestSeasonPlaythrough::bookFighter()
{
    driver->setStep(QStringLiteral("an offer or an appearance"));
    if (!acceptOffer() && (!driver->failure().isEmpty() || !negotiateAppearance()))
        return false;
    const QString booking = bookingOf(fighterName);
    if (!check(!booking.isEmpty(), QStringLiteral("no booking for him")))
        return false;
    if (!driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management"))
        return false;
    auto *bookings = driver->find<QListWidget>(QStringLiteral("bookings_list"));
    if (!check(bookings && !bookings->findItems(fighterName, Qt::MatchContains).isEmpty(),
               QStringLiteral("the bookings list does not show him")))
        return false;
    look(QStringLiteral("management_bookings"));
    return showsBookedEvent(booking.section(QStringLiteral(" - "), 0, 0));
}

// The events screen, day by day from today, shows his event with him on
// its card.
bool TestSeasonPlaythrough::showsBookedEvent(const QString &eventName)
{
    if (!driver->openMenu(QStringLiteral("events_module_btn"), "Module_Events"))
        return false;
    auto *calendar = driver->need<QCalendarWidget>(QStringLiteral("events_calendar"));
    auto *events = driver->need<QListWidget>(QStringLiteral("day_events_list"));
    if (!calendar || !events)
        return false;
    const QDate today = World::Instance().getDate();
    for (QDate day = today; day <= today.addDays(DaysForBout); day = day.addDays(1)) {
        calendar->setSelectedDate(day);
        emit calendar->clicked(day);
        const auto found = events->findItems(eventName, Qt::MatchExactly);
        if (found.isEmpty())
            continue;
        events->setCurrentItem(found.first());
        look(QStringLiteral("events_chosen"));
        auto *card = driver->find<QListWidget>(QStringLiteral("match_list"));
        return check(card && !card->findItems(fighterName, Qt::MatchContains).isEmpty(),
                     QStringLiteral("the card of ") + eventName + QStringLiteral(" does not show him"));
    }
    return driver->fail(QStringLiteral("the events screen does not show ") + eventName);
}

bool TestSeasonPlaythrough::acceptOffer()
{
    for (int day = 0; day < DaysForOffer; ++day) {
        if (!driver->passDay())
            return false;
        if (World::Instance().getOfferEventNames().isEmpty())
            continue;
        if (!driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management"))
            return false;
        auto *offers = driver->find<QListWidget>(QStringLiteral("offers_list"));
        if (!check(offers && offers->count() > 0, QStringLiteral("the world has an offer the screen does not list")))
            return false;
        offers->setCurrentRow(0);
        AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("OK")});
        if (!driver->click(QStringLiteral("accept_offer_btn")))
            return false;
        if (!bookingOf(fighterName).isEmpty())
            return true;
    }
    return false;
}

bool TestSeasonPlaythrough::negotiateAppearance()
{
    driver->setStep(QStringLiteral("an appearance on the events screen"));
    for (int day = 0; day < DaysForAppearance; day += 7) {
        for (int tier = 0; tier < int(sizeof TierOrder / sizeof *TierOrder); ++tier) {
            if (appearOnEventPage(tier))
                return true;
            if (!driver->failure().isEmpty())
                return false;
        }
        for (int wait = 0; wait < 7; ++wait) {
            if (!driver->passDay())
                return false;
        }
    }
    return driver->fail(QStringLiteral("no organization signed him within %1 days").arg(DaysForAppearance));
}

// The next event of every organization of the tier, soonest first, with a
// purse of 0; true once one signed him.
bool TestSeasonPlaythrough::appearOnEventPage(int tier)
{
    if (!driver->openMenu(QStringLiteral("events_module_btn"), "Module_Events"))
        return false;
    auto *calendar = driver->need<QCalendarWidget>(QStringLiteral("events_calendar"));
    auto *events = driver->need<QListWidget>(QStringLiteral("day_events_list"));
    if (!calendar || !events)
        return false;
    QStringList tried;
    const QDate today = World::Instance().getDate();
    for (QDate day = today.addDays(1); day <= today.addDays(45); day = day.addDays(1)) {
        calendar->setSelectedDate(day);
        emit calendar->clicked(day);
        for (int row = 0; row < events->count(); ++row) {
            events->setCurrentRow(row);
            const QString organization = text(QStringLiteral("organization_edit"), *driver);
            if (text(QStringLiteral("prestige_level_edit"), *driver) != QLatin1String(TierOrder[tier])
                || tried.contains(organization))
                continue;
            tried << organization;
            auto *fighters = driver->need<QComboBox>(QStringLiteral("fighter_combo"));
            if (!driver->setText(QStringLiteral("purse_edit"), QStringLiteral("0")) || !fighters)
                return false;
            fighters->setCurrentIndex(qMax(0, fighters->findText(fighterName)));
            AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("Accept")});
            if (!driver->click(QStringLiteral("negotiate_appearance_btn")))
                return false;
            if (!bookingOf(fighterName).isEmpty())
                return true;
        }
    }
    return false;
}

bool TestSeasonPlaythrough::fightBooking()
{
    driver->setStep(QStringLiteral("his event"));
    const int summaries = driver->summariesShown();
    for (int day = 0; day < DaysForBout && !bookingOf(fighterName).isEmpty(); ++day) {
        if (!driver->passDay())
            return false;
    }
    return check(bookingOf(fighterName).isEmpty(), QStringLiteral("his booking outlived the wait: ")
                 + bookingOf(fighterName))
        && check(driver->summariesShown() > summaries, QStringLiteral("his bout ended without a summary"));
}

bool TestSeasonPlaythrough::negotiateContract()
{
    driver->setStep(QStringLiteral("a contract"));
    if (!driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management"))
        return false;
    auto *fighters = driver->need<QComboBox>(QStringLiteral("fighter_combo"));
    auto *organizations = driver->need<QComboBox>(QStringLiteral("org_combo"));
    if (!fighters || !organizations)
        return false;
    fighters->setCurrentIndex(qMax(0, fighters->findText(fighterName)));
    // The organization of the lowest tier shown, the likeliest to sign him.
    for (int tier = 0; tier < int(sizeof TierOrder / sizeof *TierOrder); ++tier) {
        int row = 0;
        while (row < organizations->count()
               && text(QStringLiteral("prestige_label"), *driver) != QStringLiteral("Prestige Level: ") + TierOrder[tier])
            organizations->setCurrentIndex(++row % organizations->count());
        if (row < organizations->count())
            break;
    }
    auto *length = driver->need<QSpinBox>(QStringLiteral("contract_length_spin"));
    if (!driver->setText(QStringLiteral("purse_edit"), QStringLiteral("0")) || !length)
        return false;
    length->setValue(3);
    AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("OK")});
    if (!driver->click(QStringLiteral("negotiate_btn")))
        return false;
    // Whatever the answer, one came.
    qInfo("contract with %s on %s: %s", qPrintable(organizations->currentText()),
          qPrintable(TextDate::shortText(World::Instance().getDate())), qPrintable(answers.texts().join(" / ")));
    return check(answers.seen() >= 1, QStringLiteral("the negotiation said nothing"));
}

bool TestSeasonPlaythrough::runToFebruary()
{
    driver->setStep(QStringLiteral("to February 1"));
    const QDate january31(2011, 1, 31);
    int days = 0;
    while (World::Instance().getDate() < january31) {
        if (!driver->passDay())
            return false;
        if (++days % DaysBetweenVisits == 0 && !visitScreens())
            return false;
    }
    if (!check(World::Instance().getDate() == january31, QStringLiteral("the season passed January 31")))
        return false;
    if (!driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management"))
        return false;
    const QString januaryUpgrades = text(QStringLiteral("this_month_figure_1"), *driver);
    if (!check(januaryUpgrades == upgradeCostsInJanuary, QStringLiteral("January's upgrades show ") + januaryUpgrades))
        return false;
    if (!driver->passDay() || !driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management"))
        return false;
    QStringList students;
    World::Instance().getStudentNames(students);
    const QString fees = text(QStringLiteral("this_month_figure_2"), *driver);
    return check(text(QStringLiteral("last_month_figure_1"), *driver) == januaryUpgrades,
                 QStringLiteral("January is not last month"))
        && check(text(QStringLiteral("this_month_figure_1"), *driver) == Module_Management::moneyText(0),
                 QStringLiteral("February starts with upgrades"))
        && check(students.isEmpty() == (fees == Module_Management::moneyText(0)),
                 QStringLiteral("February's student fees were not collected: ") + fees);
}

bool TestSeasonPlaythrough::runToNextYear()
{
    driver->setStep(QStringLiteral("to January 2, 2012"));
    const QDate end(2012, 1, 2);
    int days = 0;
    while (World::Instance().getDate() < end) {
        if (!driver->passDay())
            return false;
        if (++days % DaysBetweenVisits == 0 && !visitScreens())
            return false;
    }
    if (!driver->openMenu(QStringLiteral("events_module_btn"), "Module_Events"))
        return false;
    if (!check(text(QStringLiteral("date_label"), *driver).contains(QStringLiteral("2012")),
               QStringLiteral("the events screen's date is ") + text(QStringLiteral("date_label"), *driver)))
        return false;
    // The organizations' calendars have moved on to the new year.
    bool eventIn2012 = false;
    for (int day = 0; day < 60 && !eventIn2012; ++day)
        eventIn2012 = !World::Instance().getEventsOn(end.addDays(day)).isEmpty();
    if (!check(eventIn2012, QStringLiteral("no event in 2012")))
        return false;

    if (!driver->openMenu(QStringLiteral("org_module_btn"), "Module_Orgs"))
        return false;
    auto *recent = driver->find<QListWidget>(QStringLiteral("recent_events_list"));
    if (!check(recent && recent->count() > 0, QStringLiteral("the organizations screen lists no event of 2011")))
        return false;
    recent->setCurrentRow(0);
    auto *results = driver->find<QListWidget>(QStringLiteral("results_list"));
    if (!check(results && results->count() > 0, QStringLiteral("an event of 2011 shows no results")))
        return false;
    look(QStringLiteral("orgs_results"));
    return true;
}

// Opens every top-menu screen (and the pages the gallery wants) in turn.
bool TestSeasonPlaythrough::visitScreens()
{
    const QString step = QStringLiteral("visiting the screens");
    driver->setStep(step);
    if (!driver->openMenu(QStringLiteral("profile_module_btn"), "Module_Profile"))
        return false;
    if (driver->find<QPushButton>(QStringLiteral("current_fighters_button"))
        && !driver->click(QStringLiteral("current_fighters_button")))
        return false;
    look(QStringLiteral("profile_fighter"));
    if (!driver->openMenu(QStringLiteral("training_module_btn"), "Module_Training")
        || !driver->openMenu(QStringLiteral("management_module_btn"), "Module_Management"))
        return false;
    // A free agent again: a new contract keeps him fighting.
    if (text(QStringLiteral("current_contract_label"), *driver) == QLatin1String("Current Contract: Free Agent")
        && !negotiateContract())
        return false;
    driver->setStep(step);
    if (!driver->openMenu(QStringLiteral("events_module_btn"), "Module_Events"))
        return false;
    if (!driver->openMenu(QStringLiteral("fighterdb_module_btn"), "Module_Database"))
        return false;
    auto *fighters = driver->find<QListWidget>(QStringLiteral("fighter_list"));
    if (fighters && fighters->count() > 0)
        fighters->setCurrentRow(0);
    look(QStringLiteral("database_ranking"));
    auto *regions = driver->find<QComboBox>(QStringLiteral("region_combo"));
    if (regions && regions->count() > 1) {
        regions->setCurrentIndex(1);
        if (fighters && fighters->count() > 0)
            fighters->setCurrentRow(0);
        look(QStringLiteral("database_region"));
    }
    if (fighters && fighters->count() > 0) {
        fighters->setCurrentRow(0);
        if (!driver->click(QStringLiteral("detailed_info_btn")))
            return false;
        look(QStringLiteral("database_fighter"));
        if (!driver->click(QStringLiteral("close_btn")))
            return false;
    }
    if (!driver->openMenu(QStringLiteral("org_module_btn"), "Module_Orgs")
        || !driver->openMenu(QStringLiteral("save_module_btn"), "Module_SaveLoad"))
        return false;
    look(QStringLiteral("saveload_ingame"));
    if (!driver->openMenu(QStringLiteral("help_module_btn"), "Module_Help"))
        return false;
    look(QStringLiteral("help"));
    return driver->openMenu(QStringLiteral("profile_module_btn"), "Module_Profile");
}

bool TestSeasonPlaythrough::saveAndLoad()
{
    driver->setStep(QStringLiteral("save and load"));
    if (!driver->openMenu(QStringLiteral("save_module_btn"), "Module_SaveLoad"))
        return false;
    if (!driver->setText(QStringLiteral("save_name_edit"), QStringLiteral("season")))
        return false;
    {
        AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("Accept")});
        if (!driver->clickText(QStringLiteral("Save")))
            return false;
        if (!check(answers.texts().value(1) == QLatin1String("File saved successfully."), answers.texts().join('|')))
            return false;
    }
    const QByteArray saved = worldBytes();
    const QDate savedDate = World::Instance().getDate();
    {
        AnswerSequence answers({QStringLiteral("Accept")});
        if (!driver->click(QStringLiteral("back_mainmenu_btn")))
            return false;
    }
    if (!check(ShellTest::currentScreenClass() == QLatin1String("Module_MainMenu")
                   && World::Instance().getDate() == QDate(2011, 1, 1) && worldBytes() != saved,
               QStringLiteral("the main menu did not reset the world")))
        return false;
    if (!driver->clickText(QStringLiteral("Load Game")))
        return false;
    auto *saves = driver->find<QListWidget>(QStringLiteral("save_list"));
    const auto found = saves ? saves->findItems(QStringLiteral("season"), Qt::MatchExactly) : QList<QListWidgetItem *>();
    if (!check(!found.isEmpty(), QStringLiteral("the save list has no \"season\"")))
        return false;
    saves->setCurrentItem(found.first());
    look(QStringLiteral("saveload_mainmenu"));
    {
        AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("Accept")});
        if (!driver->clickText(QStringLiteral("Load")))
            return false;
        if (!check(answers.texts().value(1) == QLatin1String("File loaded successfully."), answers.texts().join('|')))
            return false;
    }
    if (!check(ShellTest::currentScreenClass() == QLatin1String("Module_Profile")
                   && ModuleManager::Instance()->isTopMenuVisible(),
               QStringLiteral("the load did not open the profile with the menu")))
        return false;
    if (!check(worldBytes() == saved && World::Instance().getDate() == savedDate,
               QStringLiteral("the world loaded is not the one saved")))
        return false;
    // Saved again straight away, the file is the same byte for byte.
    if (!driver->openMenu(QStringLiteral("save_module_btn"), "Module_SaveLoad"))
        return false;
    if (!driver->setText(QStringLiteral("save_name_edit"), QStringLiteral("season again")))
        return false;
    {
        AnswerSequence answers({QStringLiteral("Accept"), QStringLiteral("Accept")});
        if (!driver->clickText(QStringLiteral("Save")))
            return false;
    }
    const QByteArray loaded = fileBytes(QStringLiteral("season"));
    if (!check(!loaded.isEmpty() && loaded == fileBytes(QStringLiteral("season again")),
               QStringLiteral("a save made after loading differs from the one loaded")))
        return false;
    return driver->passDay();
}

// One dialog of each style, pictured while it is shown.
bool TestSeasonPlaythrough::shootDialogs()
{
    driver->setStep(QStringLiteral("the dialogs"));
    if (!gallery.enabled())
        return true;
    const auto shootAs = [this](const QString &name) {
        return [this, name](QWidget *dialog) { gallery.shoot(dialog, name); };
    };
    // Style A: the events screen's message.
    if (!driver->openMenu(QStringLiteral("events_module_btn"), "Module_Events"))
        return false;
    {
        ModalAnswer answer(ModalAnswer::Way::Escape);
        answer.lookFirst(shootAs(QStringLiteral("dialog_a")));
        if (!driver->click(QStringLiteral("negotiate_appearance_btn")))
            return false;
    }
    // Style B: the training screen's question.
    if (!driver->openMenu(QStringLiteral("training_module_btn"), "Module_Training"))
        return false;
    {
        ModalAnswer answer(QStringLiteral("Cancel"));
        answer.lookFirst(shootAs(QStringLiteral("dialog_b")));
        if (!driver->click(QStringLiteral("upgrade_gym_button")))
            return false;
    }
    // Styles BList and AWide: the profile's import chooser and bio question.
    if (!driver->openMenu(QStringLiteral("profile_module_btn"), "Module_Profile"))
        return false;
    if (driver->find<QPushButton>(QStringLiteral("import_button"))) {
        ModalAnswer answer(QStringLiteral("Cancel"));
        answer.lookFirst(shootAs(QStringLiteral("dialog_blist")));
        if (!driver->click(QStringLiteral("import_button")))
            return false;
    }
    if (driver->find<QPushButton>(QStringLiteral("current_fighters_button"))
        && !driver->click(QStringLiteral("current_fighters_button")))
        return false;
    {
        ModalAnswer answer(QStringLiteral("Cancel"));
        answer.lookFirst(shootAs(QStringLiteral("dialog_awide")));
        if (!driver->click(QStringLiteral("update_bio_button")))
            return false;
    }
    return check(!QApplication::activeModalWidget(), QStringLiteral("a dialog was left open"));
}

QTEST_MAIN(TestSeasonPlaythrough)
#include "tst_season_playthrough.moc"
