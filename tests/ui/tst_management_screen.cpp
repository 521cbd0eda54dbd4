#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include "core/FighterBuilder.h"
#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "records/Match.h"
#include "records/SkillTable.h"
#include "records/TextDate.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/business/Module_Management.h"
#include "ui/business/ScoutingReport.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_Help.h"
#include "world/World.h"

using namespace WorldFixtures;

namespace {

const QDate EventDay(2011, 1, 15);
const QString NoStudentsMessage = "You have no students to train.\nWhen you proceed to the next day, there is a "
                                  "chance a new student willl appear at your gym.";

void setUpGym(const QVector<int> &month = QVector<int>(Gym::MonthCount, 0), int fighterSlots = 10,
              int intuition = 0)
{
    World &world = WorldTestAccess::freshWorld();
    WorldTestAccess::setDate(QDate(2011, 1, 1));
    QVector<int> gym(Gym::IntCount, 0);
    gym[Gym::FighterSlotsIndex] = fighterSlots;
    world.setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"}, gym, month);
    QVector<int> manager(Manager::IntCount, 0);
    manager[Manager::IntuitionIndex] = intuition;
    world.setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, manager, QStringList());
}

// G1 holds an event on EventDay with open bouts; Jo Park (charisma 5,
// purse 700) is the player's.
void setUpBookingWorld(const QString &tier = "Elite", const QString &willingness = "Willing",
                       const QString &joOrganization = "Free Agent")
{
    setUpGym();
    WorldTestAccess::addOrganization(organization(
        "G1", tier, {eventOn("G1 Event", "G1", EventDay, {match(MatchType::Single), match(MatchType::Single)})},
        {}, {}, willingness));
    WorldTestAccess::addOrganization(organization("G2"));
    WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, joOrganization, 5, 0, 700));
}

// A student born 5 March 1993 whose attributes run from `attribute` up.
Fighter student(const QString &firstName, int attribute = 15)
{
    FighterBuilder made(fighter(0, firstName, "Lee", 0));
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        made.number(Fighter::attributeIndex(k), attribute + k % 7);
    return made.text(Fighter::BackgroundText, "Muay Thai")
        .style("Clincher")
        .text(Fighter::BioText, firstName + "'s bio")
        .age(17)
        .born(QDate(1993, 3, 5))
        .build();
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Each named widget shown, with its place on the screen and its size.
QStringList placesShown(const QWidget *screen)
{
    QStringList places;
    for (const QWidget *shown : screen->findChildren<QWidget *>()) {
        const QPoint at = shown->mapTo(screen, QPoint());
        if (shown->isVisible() && !shown->objectName().isEmpty())
            places << QString("%1 at %2,%3 %4x%5")
                          .arg(shown->objectName())
                          .arg(at.x())
                          .arg(at.y())
                          .arg(shown->width())
                          .arg(shown->height());
    }
    places.sort();
    return places;
}

int liveDialogs()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<GameDialog *>(window) ? 1 : 0;
    return count;
}

} // namespace

// The management screen on small hand-built worlds: both pages, their
// dialogs, and what they change in the world.
class TestManagementScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Module_Management> screen;

    template <typename W>
    W *widget(const QString &name) const { return ShellTest::widget<W>(screen.get(), name); }
    QString text(const QString &name) const { return widget<QLabel>(name)->text(); }
    QString field(const QString &name) const { return widget<QLineEdit>(name)->text(); }
    void click(const QString &name) const { widget<QPushButton>(name)->click(); }
    QStringList contract() const
    {
        return {text("current_contract_label"), text("per_match_label"), text("remaining_matches_label")};
    }
    bool offerButtonsHidden() const
    {
        return widget<QPushButton>("accept_offer_btn")->isHidden()
            && widget<QPushButton>("reject_offer_btn")->isHidden();
    }
    void openStudentsPage()
    {
        screen.reset(new Module_Management);
        click("view_students_btn");
    }

private slots:
    void init() { setUpBookingWorld(); }
    void cleanup() { screen.reset(); }

    void revenue_data()
    {
        QTest::addColumn<QVector<int>>("month");
        QTest::addColumn<QStringList>("totals");
        QTest::addRow("idle gym") << QVector<int>(8, 0) << QStringList({"$0", "$0"});
        QTest::addRow("costs above income") << QVector<int>({200, 3500, 500, 1000, 0, 0, 0, 0})
                                            << QStringList({"$-2200", "$0"});
        QTest::addRow("last month") << QVector<int>({0, 0, 0, 0, 10, 20, 300, 4000}) << QStringList({"$0", "$4270"});
    }

    void revenue()
    {
        QFETCH(QVector<int>, month);
        QFETCH(QStringList, totals);
        setUpGym(month);
        screen.reset(new Module_Management);
        for (int i = 0; i < 8; ++i) {
            auto *figure = widget<QLineEdit>((i < 4 ? "this" : "last") + QString("_month_figure_%1").arg(i % 4));
            QCOMPARE(figure->text(), "$" + QString::number(month.at(i)));
            QVERIFY(figure->isReadOnly());
        }
        QCOMPARE(text("this_month_total_label"), "Total Revenue This Month: " + totals.at(0));
        QCOMPARE(text("last_month_total_label"), "Total Revenue Last Month: " + totals.at(1));
    }

    void bookings()
    {
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 200));
        WorldTestAccess::addRosterFighter(gymFighter(1103, "Al", "Ross", 300));
        World::Instance().updateBooking(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        screen.reset(new Module_Management);
        auto *list = widget<QListWidget>("bookings_list");
        QCOMPARE(rows(list), QStringList({"Al Ross - N/A - N/A\n", "Jo Park - G1 Event - Sat Jan 15 2011\n"}));
        QCOMPARE(list->selectionMode(), QAbstractItemView::NoSelection);
    }

    void emptyRoster()
    {
        setUpGym();
        WorldTestAccess::addOrganization(organization("G1"));
        screen.reset(new Module_Management);
        QCOMPARE(widget<QComboBox>("fighter_combo")->count(), 0);
        QCOMPARE(contract(), QStringList({"Current Contract: N/A", "Per Match: 0", "Remaining Matches on Contract: 0"}));
        auto *spin = widget<QSpinBox>("contract_length_spin");
        QCOMPARE(spin->value(), 3);
        spin->setValue(1);
        QCOMPARE(spin->value(), 3);
        spin->setValue(150);
        QCOMPARE(spin->value(), 99);
        ModalAnswer answer("OK");
        click("negotiate_btn");
        QCOMPARE(answer.text(), QString("You have no fighters available."));
        QCOMPARE(answer.buttons(), QStringList({"OK"}));
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::B));
    }

    void negotiation_data()
    {
        QTest::addColumn<QString>("joOrganization");
        QTest::addColumn<QString>("willingness");
        QTest::addColumn<QString>("purse");
        QTest::addColumn<QString>("firstAnswer");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("contract");
        QTest::addColumn<int>("offersLeft");
        const QString sign = "Are you sure you want to sign this contract?";
        const QString renew = "Are you sure you want to renew this contract?";
        const QString signedText = "The contract has been signed.";
        QTest::addRow("another organization's fighter")
            << "G2" << "Willing" << "0" << "OK" << QStringList({"This fighter is already signed to a contract."})
            << "G2/700/4" << 2;
        QTest::addRow("signing cancelled") << "Free Agent" << "Willing" << "0" << "Cancel" << QStringList({sign})
                                           << "Free Agent/700/4" << 2;
        QTest::addRow("renewal cancelled") << "G1" << "Willing" << "0" << "Cancel" << QStringList({renew})
                                           << "G1/700/4" << 2;
        QTest::addRow("agreed") << "Free Agent" << "Willing" << "900" << "Accept" << QStringList({sign, signedText})
                                << "G1/900/5" << 1;
        QTest::addRow("renewed, a purse that is no number") << "G1" << "Willing" << "lots" << "Accept"
                                                            << QStringList({renew, signedText}) << "G1/0/5" << 1;
        QTest::addRow("refused")
            << "Free Agent" << "Unwilling" << "" << "Accept"
            << QStringList({sign, "G1 has turned down your offer. This company is unwilling to negotiate with you "
                                  "for the time being."})
            << "Free Agent/700/4" << 1;
    }

    void negotiation()
    {
        QFETCH(QString, joOrganization);
        QFETCH(QString, willingness);
        QFETCH(QString, purse);
        QFETCH(QString, firstAnswer);
        QFETCH(QStringList, said);
        QFETCH(QString, contract);
        QFETCH(int, offersLeft);
        // Regional takes an unknown fighter; charisma 5 and a low purse pass.
        setUpBookingWorld("Regional", willingness, joOrganization);
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Event", "G1", EventDay));
        screen.reset(new Module_Management);
        widget<QLineEdit>("purse_edit")->setText(purse);
        widget<QSpinBox>("contract_length_spin")->setValue(5);
        widget<QListWidget>("offers_list")->setCurrentRow(0);
        AnswerSequence answers({firstAnswer, "OK"});
        click("negotiate_btn");
        QCOMPARE(answers.texts(), said);
        QCOMPARE(answers.buttons().last(), said.size() == 1 && firstAnswer != "OK" ? QStringList({"Accept", "Cancel"})
                                                                                : QStringList({"OK"}));
        QString organization;
        int matches = 0, perMatch = 0;
        World::Instance().getContractInfo(organization, matches, perMatch, 0);
        QCOMPARE(QString("%1/%2/%3").arg(organization).arg(perMatch).arg(matches), contract);
        QCOMPARE(text("current_contract_label"), "Current Contract: " + organization);
        QCOMPARE(WorldTestAccess::offers().size(), offersLeft);
        QCOMPARE(widget<QListWidget>("offers_list")->count(), offersLeft);
        QCOMPARE(offerButtonsHidden(), offersLeft == 1);
    }

    void acceptingAnOffer_data()
    {
        QTest::addColumn<QDate>("offeredFor");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("contract");
        QTest::addColumn<QStringList>("offersLeft");
        QTest::addRow("booked") << EventDay << "The contract has been signed."
                                // Elite pays five times (charisma + 1) x reputation points + 1000.
                                << QStringList({"Current Contract: G1", "Per Match: 5000",
                                                "Remaining Matches on Contract: 1"})
                                << QStringList({"G1 Later"});
        QTest::addRow("no longer valid") << EventDay.addDays(1)
                                         << "The offer is no longer valid. \nMake sure you do not already have a "
                                            "fighter booked for this event."
                                         << QStringList({"Current Contract: Free Agent", "Per Match: 700",
                                                         "Remaining Matches on Contract: 4"})
                                         << QStringList({"G1 Event", "G1 Event", "G1 Later", "G1 Later"});
    }

    void acceptingAnOffer()
    {
        QFETCH(QDate, offeredFor);
        QFETCH(QString, outcome);
        QFETCH(QStringList, contract);
        QFETCH(QStringList, offersLeft);
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", offeredFor));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Later", "G1", EventDay.addDays(30)));
        WorldTestAccess::addOffer(offer(1103, "Cy Moss", "G1 Later", "G1", EventDay.addDays(30)));
        screen.reset(new Module_Management);
        QVERIFY(offerButtonsHidden());
        widget<QListWidget>("offers_list")->setCurrentRow(1);
        QVERIFY(!offerButtonsHidden());

        AnswerSequence answers({"Accept", "OK"});
        click("accept_offer_btn");
        QCOMPARE(answers.texts(), QStringList({"Offered to Jo Park on " + TextDate::shortText(offeredFor), outcome}));
        QCOMPARE(answers.buttons(), QList<QStringList>({{"Accept", "Cancel"}, {"OK"}}));
        QCOMPARE(this->contract(), contract);
        QCOMPARE(rows(widget<QListWidget>("offers_list")), offersLeft);
        const bool booked = offersLeft.size() == 1;
        QCOMPARE(World::Instance().getEventsOn(EventDay).first().getMatches().first().getIdA(), booked ? 1101 : 0);
        QCOMPARE(rows(widget<QListWidget>("bookings_list")).first(),
                 QString(booked ? "Jo Park - G1 Event - Sat Jan 15 2011\n" : "Jo Park - N/A - N/A\n"));
        if (booked)
            QCOMPARE(WorldTestAccess::offers().first().getId(), 1103);
    }

    void rejectingRemovesTheEventsFirstOffer()
    {
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        screen.reset(new Module_Management);
        widget<QListWidget>("offers_list")->setCurrentRow(1);
        ModalAnswer answer("Reject");
        click("reject_offer_btn");
        QCOMPARE(answer.text(), QString("Are you sure you want to reject this offer?"));
        QCOMPARE(answer.buttons(), QStringList({"Reject", "Cancel"}));
        QCOMPARE(WorldTestAccess::offers().size(), 1);
        QCOMPARE(WorldTestAccess::offers().first().getId(), 1101);
        QCOMPARE(widget<QListWidget>("offers_list")->count(), 1);
        QVERIFY(offerButtonsHidden());
    }

    void switchingPagesRebuildsThem()
    {
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 200, "G2"));
        screen.reset(new Module_Management);
        widget<QComboBox>("fighter_combo")->setCurrentIndex(1);
        widget<QComboBox>("org_combo")->setCurrentIndex(1);
        click("view_students_btn");
        QVERIFY(!screen->findChild<QComboBox *>("fighter_combo"));
        QCOMPARE(liveDialogs(), 1);
        World::Instance().setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"},
                                   QVector<int>(Gym::IntCount, 1), {7, 0, 0, 0, 0, 0, 0, 0});
        click("back_to_management_btn");
        QVERIFY(!screen->findChild<QComboBox *>("student_combo"));
        QCOMPARE(liveDialogs(), 1);
        QCOMPARE(field("this_month_figure_0"), QString("$7"));
        QCOMPARE(widget<QComboBox>("fighter_combo")->currentIndex(), 0);
        QCOMPARE(text("current_contract_label"), QString("Current Contract: Free Agent"));
        QCOMPARE(text("prestige_label"), QString("Prestige Level: Elite"));
    }

    // In the window, with the game's style sheet.
    void mainPageStandsStillAfterStudents()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
        setUpBookingWorld();
        ModuleManager::Instance()->changeScreen(new Module_Management);
        auto *shown = ShellTest::screen<Module_Management>();
        if (!shown)
            return;
        QCoreApplication::processEvents();
        const QStringList firstVisit = placesShown(shown);
        for (int visit = 0; visit < 2; ++visit) {
            shown->switchToStudentsScreen();
            shown->switchToMainScreen();
            QCoreApplication::processEvents();
            QCOMPARE(placesShown(shown), firstVisit);
        }
        ShellTest::stopGame();
    }

    void replacedScreenLeavesNothing()
    {
        ShellTest::startGame();
        setUpGym();
        ModuleManager::Instance()->changeScreen(new Module_Management);
        if (auto *shown = ShellTest::screen<Module_Management>())
            shown->switchToStudentsScreen();
        ModuleManager::Instance()->changeScreen(new Module_Help);
        ShellTest::flushDeletions();
        QCOMPARE(liveDialogs(), 0);
        for (QWidget *alive : QApplication::allWidgets())
            QVERIFY(alive->objectName() != QLatin1String("student_combo"));
        ShellTest::stopGame();
    }

    void studentShown_data()
    {
        QTest::addColumn<int>("intuition");
        QTest::addColumn<QString>("background");
        QTest::addRow("intuition 9") << 9 << "Muay Thai";
        QTest::addRow("intuition 10") << 10 << "Muay Thai/Clincher";
    }

    void studentShown()
    {
        QFETCH(int, intuition);
        QFETCH(QString, background);
        setUpGym(QVector<int>(Gym::MonthCount, 0), 10, intuition);
        const Fighter ann = student("Ann", 3);
        WorldTestAccess::addStudent(ann);
        openStudentsPage();
        QStringList fields;
        for (int i = 0; i < 6; ++i)
            fields << field("student_value_" + QString::number(i));
        QCOMPARE(fields, QStringList({"Ann Lee", "Japan", "Asia", background, "05-03-1993", "17"}));
        QCOMPARE(widget<QTextEdit>("student_bio_text")->toPlainText(), QString("Ann's bio"));
        for (int skill = 0; skill < SkillTable::SkillCount; ++skill)
            QCOMPARE(field("growth_value_" + QString::number(skill)), QString::number(ann.getSkill(skill)));
        QStringList captions;
        for (QLabel *label : screen->findChildren<QLabel *>())
            captions << label->text();
        QVERIFY(captions.contains("Dirty Box") && captions.contains("Dirty Boxing"));
        QVERIFY(!captions.contains("Dirty Box Def."));
        QVector<int> ints;
        ann.getInts(ints);
        QCOMPARE(rows(widget<QListWidget>("scouting_list")), ScoutingReport::lines(ints, intuition, "Ann"));
    }

    void noStudents()
    {
        setUpGym(QVector<int>(Gym::MonthCount, 0), 10, 10);
        openStudentsPage();
        QCOMPARE(field("student_value_0"), QString("N/A N/A"));
        QCOMPARE(field("student_value_3"), QString("N/A/N/A"));
        QCOMPARE(field("student_value_4"), QString("01-01-2000"));
        QCOMPARE(field("growth_value_47"), QString("0"));
        QCOMPARE(rows(widget<QListWidget>("scouting_list")), QStringList({ScoutingReport::nothingToTell()}));
        ModalAnswer answer("Cancel");
        click("train_student_btn");
        QCOMPARE(answer.text(), NoStudentsMessage);
        QCOMPARE(answer.buttons(), QStringList({"Cancel"}));
    }

    void promotion()
    {
        setUpGym(QVector<int>(Gym::MonthCount, 0), 10, 1);
        WorldTestAccess::addStudent(student("Ann"));
        WorldTestAccess::addStudent(student("Bo"));
        WorldTestAccess::addStudent(student("Cy"));
        openStudentsPage();
        QComboBox *chooser = widget<QComboBox>("student_combo");
        AnswerSequence cancelled({"Cancel"});
        click("train_student_btn");
        QCOMPARE(cancelled.texts(), QStringList({"Are you sure you want to train Ann Lee?"}));
        QCOMPARE(WorldTestAccess::students().size(), 3);

        AnswerSequence accepted({"Accept", "Accept", "Accept", "Cancel"});
        click("train_student_btn");
        QCOMPARE(WorldTestAccess::rosterFighters().last().getFullName(), QString("Ann Lee"));
        // The same chooser, refilled, still switches the student shown.
        QCOMPARE(screen->findChildren<QComboBox *>("student_combo"), QList<QComboBox *>({chooser}));
        QCOMPARE(chooser->currentText(), QString("Bo Lee"));
        QCOMPARE(field("student_value_0"), QString("Bo Lee"));
        chooser->setCurrentIndex(1);
        QCOMPARE(field("student_value_0"), QString("Cy Lee"));
        click("train_student_btn");
        QCOMPARE(field("student_value_0"), QString("Bo Lee"));
        click("train_student_btn");
        QCOMPARE(widget<QComboBox>("student_combo")->count(), 0);
        QCOMPARE(field("student_value_0"), QString("N/A N/A"));
        click("train_student_btn");
        QCOMPARE(accepted.texts().last(), NoStudentsMessage);

        click("back_to_management_btn");
        const QComboBox *fighters = widget<QComboBox>("fighter_combo");
        QCOMPARE(fighters->itemText(fighters->count() - 1), QString("Bo Lee"));
    }

    void promotionWithTheSlotsFull()
    {
        setUpGym(QVector<int>(Gym::MonthCount, 0), 0, 1);
        WorldTestAccess::addStudent(student("Ann"));
        openStudentsPage();
        AnswerSequence answers({"Accept", "Cancel"});
        click("train_student_btn");
        QCOMPARE(answers.texts().value(1), QString("You have no available space left for another fighter."));
        QCOMPARE(answers.buttons().value(1), QStringList({"Cancel"}));
        QCOMPARE(WorldTestAccess::students().size(), 1);
        QCOMPARE(widget<QComboBox>("student_combo")->currentText(), QString("Ann Lee"));
    }
};

QTEST_MAIN(TestManagementScreen)
#include "tst_management_screen.moc"
