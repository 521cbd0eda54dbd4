#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "records/Match.h"
#include "records/SkillTable.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/business/Module_Management.h"
#include "ui/business/ScoutingReport.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/Module_Help.h"
#include "world/World.h"

using namespace WorldFixtures;

namespace {

const QDate Today(2011, 1, 1);
const QDate EventDay(2011, 1, 15);

// The world's gym and manager with the figures these tests vary.
void setUpGym(const QVector<int> &month = QVector<int>(Gym::MonthCount, 0), int fighterSlots = 10,
              int intuition = 0)
{
    World &world = WorldTestAccess::freshWorld();
    WorldTestAccess::setDate(Today);
    QVector<int> gym(Gym::IntCount, 0);
    gym[Gym::MoneyIndex] = 10000;
    gym[Gym::StudentSlotsIndex] = 3;
    gym[Gym::FighterSlotsIndex] = fighterSlots;
    world.setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"}, gym, month);
    QVector<int> manager(Manager::IntCount, 0);
    manager[Manager::IntuitionIndex] = intuition;
    world.setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, manager, QStringList());
}

// G1 holds an event on EventDay with open bouts; Jo Park is the player's.
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

Fighter student(const QString &firstName, const QString &lastName, int attribute = 15)
{
    Fighter made = fighter(0, firstName, lastName, 0);
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    made.getData(texts, ints, birthday, history, titles);
    texts[Fighter::BackgroundText] = "Muay Thai";
    texts[Fighter::StyleText] = "Clincher";
    texts[Fighter::BioText] = firstName + "'s bio";
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        ints[Fighter::attributeIndex(k)] = attribute + k % 7;
    ints[Fighter::AgeIndex] = 17;
    made.setData(texts, ints, QDate(1993, 3, 5), history, titles);
    return made;
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

int liveDialogs()
{
    int count = 0;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
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

    void open() { screen.reset(new Module_Management); }
    template <typename W>
    W *widget(const QString &name) const
    {
        W *found = screen->findChild<W *>(name);
        if (!found)
            qWarning("no widget %s", qPrintable(name));
        return found;
    }
    QString text(const QString &labelName) const { return widget<QLabel>(labelName)->text(); }
    QString field(const QString &editName) const { return widget<QLineEdit>(editName)->text(); }
    void click(const QString &buttonName) const { widget<QPushButton>(buttonName)->click(); }
    bool offerButtonsHidden() const
    {
        return widget<QPushButton>("accept_offer_btn")->isHidden()
            && widget<QPushButton>("reject_offer_btn")->isHidden();
    }

private slots:
    void cleanup() { screen.reset(); }

    void revenue_data()
    {
        QTest::addColumn<QVector<int>>("month");
        QTest::addColumn<QString>("thisTotal");
        QTest::addColumn<QString>("lastTotal");
        QTest::addRow("idle gym") << QVector<int>(8, 0) << "$0" << "$0";
        QTest::addRow("costs above income") << QVector<int>({200, 3500, 500, 1000, 0, 0, 0, 0}) << "$-2200" << "$0";
        QTest::addRow("last month") << QVector<int>({0, 0, 0, 0, 10, 20, 300, 4000}) << "$0" << "$4270";
    }

    void revenue()
    {
        QFETCH(QVector<int>, month);
        QFETCH(QString, thisTotal);
        QFETCH(QString, lastTotal);
        setUpGym(month);
        open();
        for (int i = 0; i < 4; ++i) {
            for (const QString &which : {"this", "last"}) {
                QLineEdit *figure = widget<QLineEdit>(which + "_month_figure_" + QString::number(i));
                QCOMPARE(figure->text(), "$" + QString::number(month.at(i + (which == "last" ? 4 : 0))));
                QVERIFY(figure->isReadOnly());
            }
        }
        QCOMPARE(text("this_month_total_label"), "Total Revenue This Month: " + thisTotal);
        QCOMPARE(text("last_month_total_label"), "Total Revenue Last Month: " + lastTotal);
    }

    void bookings()
    {
        setUpBookingWorld();
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 200));
        WorldTestAccess::addRosterFighter(gymFighter(1103, "Al", "Ross", 300));
        World::Instance().updateBooking(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        open();
        auto *list = widget<QListWidget>("bookings_list");
        QCOMPARE(rows(list), QStringList({"Al Ross - N/A - N/A\n", "Jo Park - G1 Event - Sat Jan 15 2011\n"}));
        QCOMPARE(list->selectionMode(), QAbstractItemView::NoSelection);
    }

    void emptyRoster()
    {
        setUpGym();
        WorldTestAccess::addOrganization(organization("G1"));
        open();
        QCOMPARE(widget<QComboBox>("fighter_combo")->count(), 0);
        QCOMPARE(text("current_contract_label"), QString("Current Contract: N/A"));
        QCOMPARE(text("per_match_label"), QString("Per Match: 0"));
        QCOMPARE(text("remaining_matches_label"), QString("Remaining Matches on Contract: 0"));
        ModalAnswer answer("OK");
        click("negotiate_btn");
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), QString("You have no fighters available."));
        QCOMPARE(answer.buttons(), QStringList({"OK"}));
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::B));
    }

    void contractLengthRange()
    {
        setUpGym();
        open();
        auto *spin = widget<QSpinBox>("contract_length_spin");
        QCOMPARE(spin->value(), 3);
        spin->setValue(1);
        QCOMPARE(spin->value(), 3);
        spin->setValue(150);
        QCOMPARE(spin->value(), 99);
    }

    void negotiationStopsEarly_data()
    {
        QTest::addColumn<QString>("joOrganization");
        QTest::addColumn<QString>("answerWith");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("buttons");
        QTest::addRow("another organization's fighter")
            << "G2" << "OK" << "This fighter is already signed to a contract." << QStringList({"OK"});
        QTest::addRow("signing cancelled") << "Free Agent" << "Cancel" << "Are you sure you want to sign this contract?"
                                           << QStringList({"Accept", "Cancel"});
        QTest::addRow("renewal cancelled") << "G1" << "Cancel" << "Are you sure you want to renew this contract?"
                                           << QStringList({"Accept", "Cancel"});
    }

    void negotiationStopsEarly()
    {
        QFETCH(QString, joOrganization);
        QFETCH(QString, answerWith);
        QFETCH(QString, said);
        QFETCH(QStringList, buttons);
        setUpBookingWorld("Regional", "Willing", joOrganization);
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        open();
        AnswerSequence answers({answerWith, "OK"});
        click("negotiate_btn");
        QCOMPARE(answers.texts(), QStringList({said}));
        QCOMPARE(answers.buttons().value(0), buttons);
        QCOMPARE(text("per_match_label"), QString("Per Match: 700"));
        QCOMPARE(WorldTestAccess::offers().size(), 1);
    }

    void agreement_data()
    {
        QTest::addColumn<QString>("purseText");
        QTest::addColumn<QString>("perMatch");
        QTest::addRow("a purse") << "900" << "Per Match: 900";
        QTest::addRow("no number counts as 0") << "lots" << "Per Match: 0";
        QTest::addRow("empty counts as 0") << "" << "Per Match: 0";
    }

    void agreement()
    {
        QFETCH(QString, purseText);
        QFETCH(QString, perMatch);
        setUpBookingWorld("Regional");
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Event", "G1", EventDay));
        open();
        widget<QLineEdit>("purse_edit")->setText(purseText);
        widget<QSpinBox>("contract_length_spin")->setValue(5);
        widget<QListWidget>("offers_list")->setCurrentRow(0);
        AnswerSequence answers({"Accept", "OK"});
        click("negotiate_btn");
        QCOMPARE(answers.texts(), QStringList({"Are you sure you want to sign this contract?",
                                               "The contract has been signed."}));
        QCOMPARE(answers.buttons().value(1), QStringList({"OK"}));
        QCOMPARE(text("current_contract_label"), QString("Current Contract: G1"));
        QCOMPARE(text("per_match_label"), perMatch);
        QCOMPARE(text("remaining_matches_label"), QString("Remaining Matches on Contract: 5"));
        QVERIFY(!field("purse_edit").isEmpty());
        QCOMPARE(rows(widget<QListWidget>("offers_list")), QStringList({"G1 Event"}));
        QCOMPARE(WorldTestAccess::offers().first().getId(), 1102);
        QVERIFY(offerButtonsHidden());
    }

    void refusal()
    {
        setUpBookingWorld("Regional", "Unwilling");
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        open();
        AnswerSequence answers({"Accept", "OK"});
        click("negotiate_btn");
        QCOMPARE(answers.texts().value(1), QString("G1 has turned down your offer. This company is unwilling to "
                                                   "negotiate with you for the time being."));
        QCOMPARE(answers.buttons().value(1), QStringList({"OK"}));
        QCOMPARE(text("current_contract_label"), QString("Current Contract: Free Agent"));
        QVERIFY(WorldTestAccess::offers().isEmpty());
        QCOMPARE(widget<QListWidget>("offers_list")->count(), 0);
    }

    void acceptingAnOffer()
    {
        setUpBookingWorld();
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Later", "G1", EventDay.addDays(30)));
        WorldTestAccess::addOffer(offer(1103, "Cy Moss", "G1 Later", "G1", EventDay.addDays(30)));
        open();
        QVERIFY(offerButtonsHidden());
        widget<QListWidget>("offers_list")->setCurrentRow(1);
        QVERIFY(!offerButtonsHidden());

        AnswerSequence answers({"Accept", "OK"});
        click("accept_offer_btn");
        QCOMPARE(answers.texts(), QStringList({"Offered to Jo Park on Sat Jan 15 2011", "The contract has been signed."}));
        QCOMPARE(answers.buttons(), QList<QStringList>({{"Accept", "Cancel"}, {"OK"}}));
        const Event event = World::Instance().getEventsOn(EventDay).first();
        QCOMPARE(event.getMatches().first().getIdA(), 1101);
        // Elite pays five times (charisma + 1) x reputation points + 1000.
        QCOMPARE(text("current_contract_label"), QString("Current Contract: G1"));
        QCOMPARE(text("per_match_label"), QString("Per Match: 5000"));
        QCOMPARE(text("remaining_matches_label"), QString("Remaining Matches on Contract: 1"));
        QCOMPARE(rows(widget<QListWidget>("bookings_list")), QStringList({"Jo Park - G1 Event - Sat Jan 15 2011\n"}));
        QCOMPARE(rows(widget<QListWidget>("offers_list")), QStringList({"G1 Later"}));
        QCOMPARE(WorldTestAccess::offers().first().getId(), 1103);
        QVERIFY(offerButtonsHidden());
    }

    void offerNoLongerValid()
    {
        setUpBookingWorld();
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay.addDays(1)));
        open();
        widget<QListWidget>("offers_list")->setCurrentRow(0);
        AnswerSequence answers({"Accept", "OK"});
        click("accept_offer_btn");
        QCOMPARE(answers.texts().value(1), QString("The offer is no longer valid. \nMake sure you do not already "
                                                   "have a fighter booked for this event."));
        QCOMPARE(answers.buttons().value(1), QStringList({"OK"}));
        QCOMPARE(WorldTestAccess::offers().size(), 1);
        QCOMPARE(text("current_contract_label"), QString("Current Contract: Free Agent"));
    }

    void rejectingRemovesTheEventsFirstOffer()
    {
        setUpBookingWorld();
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "G1 Event", "G1", EventDay));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "G1 Event", "G1", EventDay));
        open();
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
        setUpBookingWorld();
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 200, "G2"));
        open();
        widget<QComboBox>("fighter_combo")->setCurrentIndex(1);
        widget<QComboBox>("org_combo")->setCurrentIndex(1);
        QCOMPARE(liveDialogs(), 1);
        click("view_students_btn");
        QVERIFY(!screen->findChild<QComboBox *>("fighter_combo"));
        QVERIFY(screen->findChild<QComboBox *>("student_combo"));
        QCOMPARE(liveDialogs(), 1);

        World::Instance().setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"},
                                   QVector<int>(Gym::IntCount, 1), {7, 0, 0, 0, 0, 0, 0, 0});
        click("back_to_management_btn");
        QVERIFY(!screen->findChild<QComboBox *>("student_combo"));
        QCOMPARE(liveDialogs(), 1);
        QCOMPARE(field("this_month_figure_0"), QString("$7"));
        QCOMPARE(widget<QComboBox>("fighter_combo")->currentIndex(), 0);
        QCOMPARE(widget<QComboBox>("org_combo")->currentIndex(), 0);
        QCOMPARE(text("current_contract_label"), QString("Current Contract: Free Agent"));
        QCOMPARE(text("prestige_label"), QString("Prestige Level: Elite"));
    }

    void replacedScreenLeavesNothing()
    {
        ShellTest::startGame();
        setUpGym();
        ModuleManager::Instance()->changeScreen(new Module_Management);
        ShellTest::currentScreenAs<Module_Management>()->switchToStudentsScreen();
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
        const Fighter ann = student("Ann", "Lee", 3);
        WorldTestAccess::addStudent(ann);
        open();
        click("view_students_btn");
        QCOMPARE(field("student_value_0"), QString("Ann Lee"));
        QCOMPARE(field("student_value_1"), QString("Japan"));
        QCOMPARE(field("student_value_2"), QString("Asia"));
        QCOMPARE(field("student_value_3"), background);
        QCOMPARE(field("student_value_4"), QString("05-03-1993"));
        QCOMPARE(field("student_value_5"), QString("17"));
        QCOMPARE(widget<QTextEdit>("student_bio_text")->toPlainText(), QString("Ann's bio"));
        for (int skill = 0; skill < SkillTable::SkillCount; ++skill)
            QCOMPARE(field("growth_value_" + QString::number(skill)), QString::number(ann.getSkill(skill)));
        QStringList captions;
        for (QLabel *label : screen->findChildren<QLabel *>())
            captions << label->text();
        QVERIFY(captions.contains("Dirty Box") && captions.contains("Dirty Boxing"));
        QVERIFY(!captions.contains("Dirty Box Def."));
        QVector<int> ints;
        QStringList texts, titles;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        ann.getData(texts, ints, birthday, history, titles);
        const QStringList report = rows(widget<QListWidget>("scouting_list"));
        QCOMPARE(report, ScoutingReport::lines(ints, intuition, "Ann"));
        QVERIFY(!report.isEmpty());
    }

    void noStudents()
    {
        setUpGym(QVector<int>(Gym::MonthCount, 0), 10, 10);
        open();
        click("view_students_btn");
        QCOMPARE(field("student_value_0"), QString("N/A N/A"));
        QCOMPARE(field("student_value_3"), QString("N/A/N/A"));
        QCOMPARE(field("student_value_4"), QString("01-01-2000"));
        QCOMPARE(field("student_value_5"), QString("0"));
        QCOMPARE(field("growth_value_47"), QString("0"));
        QCOMPARE(rows(widget<QListWidget>("scouting_list")),
                 QStringList({"Can't really tell anything about this student."}));
        ModalAnswer answer("Cancel");
        click("train_student_btn");
        QCOMPARE(answer.text(), QString("You have no students to train.\nWhen you proceed to the next day, there is "
                                        "a chance a new student willl appear at your gym."));
        QCOMPARE(answer.buttons(), QStringList({"Cancel"}));
    }

    void promotion()
    {
        setUpGym(QVector<int>(Gym::MonthCount, 0), 10, 1);
        WorldTestAccess::addStudent(student("Ann", "Lee"));
        WorldTestAccess::addStudent(student("Bo", "Kim"));
        open();
        click("view_students_btn");
        QComboBox *firstCombo = widget<QComboBox>("student_combo");

        AnswerSequence cancelled({"Cancel"});
        click("train_student_btn");
        QCOMPARE(cancelled.texts(), QStringList({"Are you sure you want to train Ann Lee?"}));
        QCOMPARE(WorldTestAccess::students().size(), 2);

        ModalAnswer accepted("Accept");
        click("train_student_btn");
        QVERIFY(accepted.answered());
        QCOMPARE(WorldTestAccess::rosterFighters().last().getFullName(), QString("Ann Lee"));
        QCOMPARE(screen->findChildren<QComboBox *>("student_combo").size(), 1);
        QVERIFY(widget<QComboBox>("student_combo") != firstCombo);
        QCOMPARE(widget<QComboBox>("student_combo")->currentText(), QString("Bo Kim"));
        QCOMPARE(field("student_value_0"), QString("Bo Kim"));

        ModalAnswer last("Accept");
        click("train_student_btn");
        QVERIFY(last.answered());
        QCOMPARE(widget<QComboBox>("student_combo")->count(), 0);
        QCOMPARE(field("student_value_0"), QString("N/A N/A"));
        ModalAnswer none("Cancel");
        click("train_student_btn");
        QVERIFY(none.text().contains("willl appear"));

        click("back_to_management_btn");
        const QComboBox *fighters = widget<QComboBox>("fighter_combo");
        QCOMPARE(fighters->itemText(fighters->count() - 1), QString("Bo Kim"));
    }

    void promotionWithTheSlotsFull()
    {
        setUpGym(QVector<int>(Gym::MonthCount, 0), 0, 1);
        WorldTestAccess::addStudent(student("Ann", "Lee"));
        open();
        click("view_students_btn");
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
