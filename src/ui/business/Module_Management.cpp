#include "Module_Management.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

#include "Module_Events.h"
#include "ScoutingReport.h"
#include "records/Fighter.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "records/Offer.h"
#include "records/SkillTable.h"
#include "records/TextDate.h"
#include "ui/gym/FighterPortrait.h"
#include "ui/gym/RatingsGrid.h"
#include "ui/shell/GameDialog.h"
#include "world/ResourcePaths.h"
#include "world/World.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/WrappedLines.h"

namespace {

const int PanelWidth = 350;
const int PanelHeight = 400;
const int LogoSize = 125;
// Wide enough for a name, an event and a date on one line.
const int BookingsWidth = 330;
const int StudentPanelWidth = 400;
const int StudentPanelHeight = 525;
const int ShortestContract = 3;

// The four money figures of a month, in the order of Gym's month figures.
const char *const MonthCaptions[Gym::MonthFigureCount] = {"Training Costs:", "Upgrade Costs:", "Student Fees:",
                                                          "Fighter Purses:"};
const char *const StudentCaptions[] = {"Student Name:", "Nationality", "Region", "Fighting Background:",
                                       "Birthday:", "Age:"};
enum StudentField { NameField = 0, NationalityField, RegionField, BackgroundField, BirthdayField, AgeField };
const int StudentFieldCount = 6;
// The fight style is told beside the background only at full Intuition.
const int FullIntuition = 10;

const char ContractSigned[] = "The contract has been signed.";

QString numberedName(const char *prefix, int index)
{
    return QLatin1String(prefix) + QString::number(index);
}

} // namespace

Module_Management::Module_Management(QWidget *parent)
    : ScreenFrame(parent)
    , mainLayout(new QVBoxLayout(this))
    , mainPage(new QWidget(this))
    , mainPageLayout(new QGridLayout(mainPage))
    , revenuePanel(new QWidget(mainPage))
    , revenueLayout(new QGridLayout(revenuePanel))
    // The style sheet sets smaller fonts in the contract and growth panels
    // by name.
    , contractPanel(ObjectNames::named(new QWidget(mainPage), QStringLiteral("contract_panel")))
    , contractLayout(new QGridLayout(contractPanel))
    , studentsPage(new QWidget(this))
    , studentsLayout(new QGridLayout(studentsPage))
    , studentDetailsPanel(new QWidget(studentsPage))
    , studentDetailsLayout(new QGridLayout(studentDetailsPanel))
    , growthPanel(ObjectNames::named(new QWidget(studentsPage), QStringLiteral("growth_panel")))
    , growthLayout(new QGridLayout(growthPanel))
{
    // The panels stay in their page's grid for the screen's life; only the
    // widgets inside them come and go with the page.
    mainPageLayout->addWidget(revenuePanel, 1, 1, 6, 2);
    mainPageLayout->addWidget(contractPanel, 1, 7, 6, 2);
    for (int row : {0, 8})
        mainPageLayout->setRowStretch(row, 1);
    for (int column : {0, 3, 6, 9})
        mainPageLayout->setColumnStretch(column, 1);
    revenuePanel->setFixedSize(PanelWidth, PanelHeight);
    contractPanel->setFixedSize(PanelWidth, PanelHeight);

    studentsLayout->addWidget(studentDetailsPanel, 1, 1, 8, 2);
    studentsLayout->addWidget(growthPanel, 1, 7, 8, 2);
    for (int line : {0, 9}) {
        studentsLayout->setRowStretch(line, 1);
        studentsLayout->setColumnStretch(line, 1);
    }
    studentDetailsPanel->setFixedSize(StudentPanelWidth, StudentPanelHeight);
    studentsPage->hide();

    buildMainScreen();
    mainLayout->addWidget(mainPage);
}

// The page shown goes now, while the slots its widgets reach are still
// there; the page left before was taken out when it was left.
Module_Management::~Module_Management()
{
    mainPageWidgets.clear();
    studentsPageWidgets.clear();
}

QString Module_Management::moneyText(int amount)
{
    return QStringLiteral("$") + QString::number(amount);
}

int Module_Management::monthTotal(const QVector<int> &figures, int first)
{
    return figures.value(first + Gym::StudentFeesIndex) + figures.value(first + Gym::FighterPursesIndex)
        - figures.value(first + Gym::TrainingCostsIndex) - figures.value(first + Gym::UpgradeCostsIndex);
}

QString Module_Management::bookingLine(const QString &fighterName, const QString &description)
{
    return fighterName + QStringLiteral(" - ") + description + QLatin1Char('\n');
}

QMap<int, QString> Module_Management::growthCaptions()
{
    return {{SkillTable::DirtyBoxing, QStringLiteral("Dirty Box")},
            {SkillTable::DirtyBoxDef, QStringLiteral("Dirty Boxing")}};
}

// ---------------------------------------------------------------- main page

void Module_Management::buildMainScreen()
{
    createMainScreenWidgets();
    layOutRevenuePanel();
    layOutContractPanel();
    switchFighterShown(fighterCombo->currentIndex());
    switchOrgShown();
    layOutMainPage();
    mainPageWidgets.polish();
    connectMainScreen();
}

void Module_Management::createMainScreenWidgets()
{
    QVector<int> finances;
    World::Instance().getGymFinances(finances);
    createRevenueTables(finances);

    bookingsList = mainPageWidgets.keep(new QListWidget(mainPage), QStringLiteral("bookings_list"));
    bookingsList->setMinimumWidth(BookingsWidth);
    WrappedLines::apply(bookingsList);
    fillBookingsList();

    createContractWidgets();

    acceptOfferButton = mainPageWidgets.keep(new QPushButton(QStringLiteral("Accept Offer"), mainPage),
                                             QStringLiteral("accept_offer_btn"));
    rejectOfferButton = mainPageWidgets.keep(new QPushButton(QStringLiteral("Reject Offer"), mainPage),
                                             QStringLiteral("reject_offer_btn"));
    negotiateButton = mainPageWidgets.keep(new QPushButton(QStringLiteral("Negotiate"), contractPanel),
                                           QStringLiteral("negotiate_btn"));
    viewStudentsButton = mainPageWidgets.keep(new QPushButton(QStringLiteral("View Current Students"), mainPage),
                                              QStringLiteral("view_students_btn"));

    createNegotiateDialog();
}

void Module_Management::createRevenueTables(const QVector<int> &finances)
{
    thisMonthTitle = mainPageWidgets.make<QLabel>(QStringLiteral("This Month's Revenue"), revenuePanel);
    lastMonthTitle = mainPageWidgets.make<QLabel>(QStringLiteral("Last Month's Revenue"), revenuePanel);
    const int lastMonth = Gym::MonthFigureCount;
    for (int i = 0; i < Gym::MonthFigureCount; ++i) {
        thisMonthCaptions[i] = mainPageWidgets.make<QLabel>(QLatin1String(MonthCaptions[i]), revenuePanel);
        lastMonthCaptions[i] = mainPageWidgets.make<QLabel>(QLatin1String(MonthCaptions[i]), revenuePanel);
        thisMonthFigures[i] = mainPageWidgets.keep(ObjectNames::readOnlyField(
            revenuePanel, numberedName("this_month_figure_", i), moneyText(finances.value(i))));
        lastMonthFigures[i] = mainPageWidgets.keep(ObjectNames::readOnlyField(
            revenuePanel, numberedName("last_month_figure_", i), moneyText(finances.value(lastMonth + i))));
    }
    thisMonthTotalLabel = mainPageWidgets.make<QLabel>(
        QStringLiteral("Total Revenue This Month: $") + QString::number(monthTotal(finances, 0)), revenuePanel);
    lastMonthTotalLabel = mainPageWidgets.make<QLabel>(
        QStringLiteral("Total Revenue Last Month: $") + QString::number(monthTotal(finances, lastMonth)),
        revenuePanel);
    thisMonthTotalLabel->setObjectName(QStringLiteral("this_month_total_label"));
    lastMonthTotalLabel->setObjectName(QStringLiteral("last_month_total_label"));
}

void Module_Management::createContractWidgets()
{
    World &world = World::Instance();
    QStringList rosterNames;
    world.getRosterNames(rosterNames);
    QStringList orgNames;
    world.getOrgNames(orgNames);

    fighterCombo = mainPageWidgets.keep(new QComboBox(contractPanel), QStringLiteral("fighter_combo"));
    NameFields::keepNarrow(fighterCombo);
    fighterCombo->addItems(rosterNames);
    fighterCombo->setCurrentIndex(rosterNames.isEmpty() ? -1 : 0);
    currentContractLabel = mainPageWidgets.keep(new QLabel(contractPanel), QStringLiteral("current_contract_label"));
    perMatchLabel = mainPageWidgets.keep(new QLabel(contractPanel), QStringLiteral("per_match_label"));
    remainingMatchesLabel = mainPageWidgets.keep(new QLabel(contractPanel), QStringLiteral("remaining_matches_label"));

    orgCombo = mainPageWidgets.keep(new QComboBox(contractPanel), QStringLiteral("org_combo"));
    orgCombo->addItems(orgNames);
    orgBioText = mainPageWidgets.keep(new QTextEdit(contractPanel), QStringLiteral("org_bio_text"));
    orgBioText->setReadOnly(true);
    prestigeLabel = mainPageWidgets.keep(new QLabel(contractPanel), QStringLiteral("prestige_label"));
    orgLogoLabel = mainPageWidgets.keep(new QLabel(contractPanel), QStringLiteral("org_logo_label"));
    orgLogoLabel->setScaledContents(true);
    orgLogoLabel->setFixedSize(LogoSize, LogoSize);

    purseCaption = mainPageWidgets.make<QLabel>(QStringLiteral("Per Match:"), contractPanel);
    contractLengthCaption = mainPageWidgets.make<QLabel>(QStringLiteral("Contract Length"), contractPanel);
    offersCaption = mainPageWidgets.make<QLabel>(QStringLiteral("Offers"), contractPanel);
    purseEdit = mainPageWidgets.keep(new QLineEdit(QStringLiteral("0"), contractPanel), QStringLiteral("purse_edit"));
    contractLengthSpin = mainPageWidgets.keep(new QSpinBox(contractPanel), QStringLiteral("contract_length_spin"));
    contractLengthSpin->setMinimum(ShortestContract);
    offersList = mainPageWidgets.keep(new QListWidget(contractPanel), QStringLiteral("offers_list"));
}

void Module_Management::createNegotiateDialog()
{
    mainDialog.reset(new GameDialog(DialogStyle::B));
    refillOffersList();
}

void Module_Management::layOutRevenuePanel()
{
    revenueLayout->setSpacing(0);
    revenueLayout->setContentsMargins(0, 0, 0, 0);
    revenueLayout->setColumnStretch(1, 1);
    revenueLayout->setColumnStretch(2, 1);
    const int lastMonthRow = 7;
    revenueLayout->addWidget(thisMonthTitle, 0, 0, 1, 4);
    revenueLayout->addWidget(lastMonthTitle, lastMonthRow, 0, 1, 4);
    for (int i = 0; i < Gym::MonthFigureCount; ++i) {
        revenueLayout->addWidget(thisMonthCaptions[i], 1 + i, 0, 1, 3);
        revenueLayout->addWidget(thisMonthFigures[i], 1 + i, 3);
        revenueLayout->addWidget(lastMonthCaptions[i], lastMonthRow + 1 + i, 0, 1, 3);
        revenueLayout->addWidget(lastMonthFigures[i], lastMonthRow + 1 + i, 3);
    }
    revenueLayout->addWidget(thisMonthTotalLabel, 5, 0, 1, 4);
    revenueLayout->addWidget(lastMonthTotalLabel, lastMonthRow + 5, 0, 1, 4);
}

void Module_Management::layOutContractPanel()
{
    contractLayout->setSpacing(0);
    // Fourteen rows share the panel's height: no margin around them.
    contractLayout->setContentsMargins(0, 0, 0, 0);
    contractLayout->setColumnStretch(1, 1);
    contractLayout->addWidget(fighterCombo, 0, 0, 1, 4);
    contractLayout->addWidget(currentContractLabel, 1, 0, 1, 4);
    contractLayout->addWidget(perMatchLabel, 2, 0, 1, 4);
    contractLayout->addWidget(remainingMatchesLabel, 3, 0, 1, 4);
    contractLayout->addWidget(orgBioText, 4, 0, 4, 2);
    contractLayout->addWidget(orgLogoLabel, 4, 2, 4, 2);
    contractLayout->addWidget(orgCombo, 8, 0, 1, 4);
    contractLayout->addWidget(prestigeLabel, 9, 0, 1, 4);
    contractLayout->addWidget(purseCaption, 10, 0, 1, 2);
    contractLayout->addWidget(purseEdit, 10, 2, 1, 2);
    contractLayout->addWidget(contractLengthCaption, 11, 0, 1, 2);
    contractLayout->addWidget(contractLengthSpin, 11, 2, 1, 2);
    contractLayout->addWidget(negotiateButton, 12, 0, 1, 4);
    contractLayout->addWidget(offersCaption, 13, 0, 1, 4);
    contractLayout->addWidget(offersList, 14, 0, 4, 4);
}

void Module_Management::layOutMainPage()
{
    mainPageLayout->addWidget(bookingsList, 1, 4, 6, 2);
    mainPageLayout->addWidget(viewStudentsButton, 7, 1, 1, 2);
    mainPageLayout->addWidget(acceptOfferButton, 7, 7);
    mainPageLayout->addWidget(rejectOfferButton, 7, 8);
}

void Module_Management::connectMainScreen()
{
    connect(fighterCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Module_Management::switchFighterShown);
    connect(orgCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Module_Management::switchOrgShown);
    connect(negotiateButton, &QPushButton::clicked, this, &Module_Management::negotiateContract);
    connect(offersList, &QListWidget::currentRowChanged, this, &Module_Management::enableOfferButtons);
    connect(acceptOfferButton, &QPushButton::clicked, this, &Module_Management::acceptOffer);
    connect(rejectOfferButton, &QPushButton::clicked, this, &Module_Management::rejectOffer);
    connect(viewStudentsButton, &QPushButton::clicked, this, &Module_Management::switchToStudentsScreen);
}

void Module_Management::fillBookingsList()
{
    const QMap<QString, QString> descriptions = World::Instance().getBookingDescriptions();
    bookingsList->clear();
    for (auto entry = descriptions.cbegin(); entry != descriptions.cend(); ++entry)
        bookingsList->addItem(bookingLine(entry.key(), entry.value()));
    bookingsList->setSelectionMode(QAbstractItemView::NoSelection);
}

void Module_Management::refillOffersList()
{
    // Clearing makes the current row -1, which shows the offer buttons:
    // they stay hidden until the player picks a row.
    offersList->clear();
    offersList->addItems(World::Instance().getOfferEventNames());
    acceptOfferButton->hide();
    rejectOfferButton->hide();
}

void Module_Management::clearMainScreen()
{
    mainPageWidgets.clearLater();
    mainDialog.reset();
}

bool Module_Management::confirmOnMainPage(const QString &question, const QString &acceptText)
{
    mainDialog->acceptButton()->setText(acceptText);
    return mainDialog->ask(question);
}

void Module_Management::tellOnMainPage(const QString &notice)
{
    mainDialog->acceptButton()->setText(QStringLiteral("OK"));
    mainDialog->tell(notice, DialogButton::Accept);
}

void Module_Management::switchFighterShown(int index)
{
    QString organization;
    int matches = 0;
    int purse = 0;
    World::Instance().getContractInfo(organization, matches, purse, index);
    currentContractLabel->setText(QStringLiteral("Current Contract: ") + organization);
    perMatchLabel->setText(QStringLiteral("Per Match: ") + QString::number(purse));
    remainingMatchesLabel->setText(QStringLiteral("Remaining Matches on Contract: ") + QString::number(matches));
}

void Module_Management::switchOrgShown()
{
    const QString name = orgCombo->currentText();
    QStringList info;
    World::Instance().getOrgInfo(name, info);
    orgBioText->setPlainText(info.value(Organization::BioText));
    prestigeLabel->setText(QStringLiteral("Prestige Level: ") + info.value(Organization::TierText));
    orgLogoLabel->hide();
    orgLogoLabel->setPixmap(QPixmap(ResourcePaths::orgLogo(name)));
    orgLogoLabel->show();
}

void Module_Management::enableOfferButtons()
{
    acceptOfferButton->show();
    rejectOfferButton->show();
}

void Module_Management::negotiateContract()
{
    if (purseEdit->text().isEmpty())
        purseEdit->setText(QStringLiteral("0"));
    const int purse = Module_Events::purseOf(purseEdit->text());
    const int index = fighterCombo->currentIndex();

    World &world = World::Instance();
    const QString chosen = orgCombo->currentText();
    const World::DealStanding standing = world.dealStanding(index, chosen);
    if (standing == World::DealStanding::NoFighter || standing == World::DealStanding::SignedElsewhere) {
        tellOnMainPage(standing == World::DealStanding::NoFighter
                           ? QStringLiteral("You have no fighters available.")
                           : QStringLiteral("This fighter is already signed to a contract."));
        return;
    }
    const QString question = standing == World::DealStanding::SignedWithIt
        ? QStringLiteral("Are you sure you want to renew this contract?")
        : QStringLiteral("Are you sure you want to sign this contract?");
    if (!confirmOnMainPage(question, QStringLiteral("Accept")))
        return;

    QString refusal;
    if (world.negotiateContract(index, chosen, contractLengthSpin->value(), purse, refusal) == World::Deal::Done) {
        switchFighterShown(index);
        tellOnMainPage(QLatin1String(ContractSigned));
    } else {
        tellOnMainPage(chosen + QStringLiteral(" has turned down your offer. ") + refusal);
    }
    refillOffersList();
}

void Module_Management::acceptOffer()
{
    const int index = fighterCombo->currentIndex();
    const int row = offersList->currentRow();
    if (row < 0)
        return;

    World &world = World::Instance();
    const Offer offer = world.getOffer(row);
    const QString question = QStringLiteral("Offered to ") + offer.getFighterName() + QStringLiteral(" on ")
        + TextDate::shortText(offer.getDate());
    if (confirmOnMainPage(question, QStringLiteral("Accept")) && offer.getId() > 0) {
        if (world.acceptOffer(offer) == World::Deal::Done) {
            fillBookingsList();
            refillOffersList();
            tellOnMainPage(QLatin1String(ContractSigned));
        } else {
            tellOnMainPage(QStringLiteral("The offer is no longer valid. \nMake sure you do not already have a "
                                          "fighter booked for this event."));
        }
    }
    switchFighterShown(index);
}

void Module_Management::rejectOffer()
{
    const QListWidgetItem *item = offersList->currentItem();
    if (!item)
        return;
    const QString eventName = item->text();
    if (!confirmOnMainPage(QStringLiteral("Are you sure you want to reject this offer?"), QStringLiteral("Reject")))
        return;
    World::Instance().removeOffersForEvent(eventName);
    refillOffersList();
}

void Module_Management::switchToStudentsScreen()
{
    mainPage->hide();
    mainLayout->removeWidget(mainPage);
    clearMainScreen();
    buildStudentsScreen();
    mainLayout->addWidget(studentsPage);
    studentsPage->show();
}

// ------------------------------------------------------------ students page

void Module_Management::buildStudentsScreen()
{
    createStudentsScreenWidgets();
    layOutStudentDetails();
    switchStudentShown(studentCombo->currentIndex());
    connect(studentCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Module_Management::switchStudentShown);
    connect(backToManagementButton, &QPushButton::clicked, this, &Module_Management::switchToMainScreen);
    connect(trainStudentButton, &QPushButton::clicked, this, &Module_Management::trainCurrentStudent);
    layOutStudentsPage();
    studentsPageWidgets.polish();
}

void Module_Management::createStudentsScreenWidgets()
{
    studentCombo = studentsPageWidgets.keep(new QComboBox(studentsPage), QStringLiteral("student_combo"));
    NameFields::keepNarrow(studentCombo);
    refillStudentCombo();
    for (int i = 0; i < StudentFieldCount; ++i) {
        studentCaptions[i] =
            studentsPageWidgets.make<QLabel>(QLatin1String(StudentCaptions[i]), studentDetailsPanel);
        studentValues[i] =
            studentsPageWidgets.keep(ObjectNames::readOnlyField(studentDetailsPanel, numberedName("student_value_", i)));
    }
    portraitLabel = studentsPageWidgets.keep(new QLabel(studentDetailsPanel), QStringLiteral("portrait_label"));
    studentBioText = studentsPageWidgets.keep(new QTextEdit(studentDetailsPanel), QStringLiteral("student_bio_text"));
    studentBioText->setReadOnly(true);

    projectedGrowthLabel = studentsPageWidgets.make<QLabel>(QStringLiteral("Projected Growth"), studentsPage);
    scoutingList = studentsPageWidgets.keep(new QListWidget(studentsPage), QStringLiteral("scouting_list"));
    // The middle column is narrow.
    WrappedLines::apply(scoutingList);
    growthGroups.reset(
        new RatingsGrid(growthPanel, growthLayout, RatingsGrid::numbered(QStringLiteral("growth_value_")),
                        growthCaptions()));
    trainStudentButton = studentsPageWidgets.keep(new QPushButton(QStringLiteral("Train this Student"), studentsPage),
                                                  QStringLiteral("train_student_btn"));
    backToManagementButton =
        studentsPageWidgets.keep(new QPushButton(QStringLiteral("Back to Management"), studentsPage),
                                 QStringLiteral("back_to_management_btn"));
    studentDialog.reset(new GameDialog(DialogStyle::B));
}

void Module_Management::refillStudentCombo()
{
    QStringList names;
    World::Instance().getStudentNames(names);
    // The caller shows the student chosen once the names are in, not each
    // one the chooser passes while it is refilled.
    const QSignalBlocker quiet(studentCombo);
    studentCombo->clear();
    studentCombo->addItems(names);
}

void Module_Management::layOutStudentDetails()
{
    studentDetailsLayout->setSpacing(0);
    studentDetailsLayout->setColumnStretch(1, 1);
    const int firstFieldRow = 6;
    for (int i = 0; i < StudentFieldCount; ++i) {
        studentDetailsLayout->addWidget(studentCaptions[i], firstFieldRow + i, 0);
        studentDetailsLayout->addWidget(studentValues[i], firstFieldRow + i, 1, 1, 2);
    }
    studentDetailsLayout->addWidget(studentBioText, 0, 2, 6, 1);
    studentDetailsLayout->addWidget(portraitLabel, 0, 0, 6, 2);
}

void Module_Management::layOutStudentsPage()
{
    studentsLayout->addWidget(studentCombo, 1, 4, 1, 2);
    studentsLayout->addWidget(projectedGrowthLabel, 2, 4, 1, 2);
    studentsLayout->addWidget(scoutingList, 3, 4, 4, 2);
    studentsLayout->addWidget(trainStudentButton, 7, 4, 1, 2);
    studentsLayout->addWidget(backToManagementButton, 8, 4, 1, 2);
}

void Module_Management::clearStudentsScreen()
{
    growthGroups.reset();
    studentsPageWidgets.clearLater();
    studentDialog.reset();
}

void Module_Management::tellOnStudentsPage(const QString &message)
{
    studentDialog->tell(message, DialogButton::Cancel);
}

void Module_Management::switchStudentShown(int index)
{
    World &world = World::Instance();
    QVector<int> managerStats;
    world.getManagerStats(managerStats);
    const int intuition = managerStats.value(Manager::IntuitionIndex);

    QStringList texts;
    QVector<int> attributes;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    QStringList titles;
    world.getStudentProfile(texts, attributes, birthday, history, titles, index);
    Fighter student;
    student.setData(texts, attributes, birthday, history, titles);

    QString background = texts.value(Fighter::BackgroundText);
    if (intuition == FullIntuition)
        background += QLatin1Char('/') + texts.value(Fighter::StyleText);
    NameFields::show(studentValues[NameField],
                     texts.value(Fighter::FirstNameText) + QLatin1Char(' ') + texts.value(Fighter::LastNameText));
    studentValues[NationalityField]->setText(texts.value(Fighter::NationalityText));
    studentValues[RegionField]->setText(texts.value(Fighter::RegionText));
    studentValues[BackgroundField]->setText(background);
    studentValues[BirthdayField]->setText(birthday.toString(QStringLiteral("dd-MM-yyyy")));
    studentValues[AgeField]->setText(QString::number(attributes.value(Fighter::AgeIndex)));
    studentBioText->setPlainText(texts.value(Fighter::BioText));

    scoutingList->clear();
    scoutingList->addItems(ScoutingReport::lines(attributes, intuition, texts.value(Fighter::FirstNameText)));
    growthGroups->showRatings(student);
    drawPortrait();
}

void Module_Management::drawPortrait()
{
    QStringList colours;
    int body = 0;
    int head = 0;
    int face = 0;
    World::Instance().getStudentPortrait(colours, body, head, face, studentCombo->currentIndex());
    FighterPortrait::place(portraitLabel, studentDetailsLayout, 0, 0, 6, 2,
                           FighterPortrait::portrait(FighterAppearance::fromParts(colours, body, head, face)));
}

void Module_Management::trainCurrentStudent()
{
    const QString name = studentCombo->currentText();
    if (name.isEmpty()) {
        tellOnStudentsPage(QStringLiteral("You have no students to train.\nWhen you proceed to the next day, there "
                                          "is a chance a new student willl appear at your gym."));
        return;
    }
    studentDialog->acceptButton()->setText(QStringLiteral("Accept"));
    if (!studentDialog->ask(QStringLiteral("Are you sure you want to train ") + name + QLatin1Char('?')))
        return;
    if (!World::Instance().promoteStudent(studentCombo->currentIndex())) {
        tellOnStudentsPage(QStringLiteral("You have no available space left for another fighter."));
        return;
    }

    refillStudentCombo();
    switchStudentShown(studentCombo->currentIndex());
}

void Module_Management::switchToMainScreen()
{
    studentsPage->hide();
    mainLayout->removeWidget(studentsPage);
    clearStudentsScreen();
    buildMainScreen();
    mainLayout->addWidget(mainPage);
    mainPage->show();
}
