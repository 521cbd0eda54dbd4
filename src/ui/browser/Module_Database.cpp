#include "Module_Database.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "records/Manager.h"
#include "records/SkillTable.h"
#include "records/TextDate.h"
#include "ui/gym/FighterPortrait.h"
#include "ui/gym/RatingsGrid.h"
#include "ui/shell/StyleSheetFile.h"
#include "world/ResourcePaths.h"
#include "world/World.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/WrappedLines.h"

namespace {

const char *const firstNameFirst = "First Name Last Name";
const char *const lastNameFirst = "Last Name, First Name";
const char *const rankingEntry = "Ranking";

const char *const regionEntries[] = {"Ranking", "North America", "South America", "Western Europe",
                                     "Eastern Europe", "Africa", "Middle East", "East Asia", "Oceania"};

const char *const organizationEntries[] = {
    "G-1", "Genesis", "King's Stadium", "GKO", "EPIC", "Ironheart FC", "Red Storm Global",
    "Albion FC", "Dubai FC", "Santa Maria FC", "Valhalla", "Tie Long", "Pomwaree Stadium",
    "Kings Of Rio", "Daichi Senshu", "Centurion", "North Star", "Ivory Throne", Fighter::FreeAgentOrganization};

// From which Scouting each rating shows its number, in rating order.
const int scoutingGates[SkillTable::SkillCount] = {
    6, 1, 1, 5,   7, 3, 3, 7,   1, 1, 9, 4,   0, 3, 3, 10,  2, 3, 2, 6,   8, 7, 7, 8,
    0, 8, 5, 8,   2, 2, 7, 0,   4, 7, 7, 4,   0, 4, 9, 4,   10, 10, 9, 9, 10, 7, 7, 10};

const int fullScouting = 10;

const char *const summaryCaptions[] = {"First Name:", "Nationality:", "Fight Style:", "Contract:"};
const char *const personalCaptions[] = {"Name: ", "Nationality", "Region", "Fighting Background:",
                                        "Reputation:", "Birthday:", "Age:"};
const char *const recordCaptions[] = {"Wins:", "Losses:", "KOs:"};

QStringList entriesOf(const char *const *entries, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QLatin1String(entries[i]);
    return list;
}

// Fills a combo and selects the first entry equal to the stored choice.
void fillCombo(QComboBox *combo, const QStringList &entries, const QString &choice)
{
    combo->addItems(entries);
    const int at = entries.indexOf(choice);
    if (at >= 0)
        combo->setCurrentIndex(at);
}

QString rankingStripped(const QString &text)
{
    const int dot = text.indexOf(QStringLiteral(". "));
    return dot < 0 ? text : text.mid(dot + 2);
}

} // namespace

Module_Database::Module_Database(QWidget *parent)
    : ScreenFrame(parent)
    , pickedId(0)
    , nameDisplay(QLatin1String(firstNameFirst))
    , orgFilter(QStringLiteral("G-1"))
    , regionFilter(QLatin1String(rankingEntry))
    , screenLayout(new QGridLayout(this))
    , mainPage(new QWidget(this))
    , mainGrid(new QGridLayout(mainPage))
    , listBox(new QWidget(mainPage))
    // The shared rules of the style sheet select these three by name.
    , summaryBox(ObjectNames::named(new QWidget(mainPage), QStringLiteral("summary_box")))
    , summaryGrid(new QGridLayout(summaryBox))
    , filterBox(new QWidget(mainPage))
    , fighterPage(new QWidget(this))
    , fighterGrid(new QGridLayout(fighterPage))
    , personalPanel(ObjectNames::named(new QWidget(fighterPage), QStringLiteral("personal_box")))
    , personalGrid(new QGridLayout(personalPanel))
    , recordPanel(new QWidget(fighterPage))
    , recordGrid(new QGridLayout(recordPanel))
    , attributesPanel(ObjectNames::named(new QWidget(fighterPage), QStringLiteral("attributes_box")))
    , attributesGrid(new QGridLayout(attributesPanel))
{
    new QVBoxLayout(listBox);
    new QVBoxLayout(filterBox);
    fighterPage->hide();
    buildMainScreen();
    screenLayout->addWidget(mainPage);
}

// The pages' widgets are children of the screen; the rating grid goes first
// as it deletes widgets of its own.
Module_Database::~Module_Database() = default;

int Module_Database::scoutingGate(int skill)
{
    return skill >= 0 && skill < SkillTable::SkillCount ? scoutingGates[skill] : fullScouting;
}

QString Module_Database::displayedName(const Fighter &fighter, const QString &display)
{
    if (display == QLatin1String(lastNameFirst)) {
        QStringList texts;
        fighter.getStrings(texts);
        return texts.value(Fighter::LastNameText) + QStringLiteral(", ") + texts.value(Fighter::FirstNameText);
    }
    return fighter.getFullName();
}

QStringList Module_Database::historyLines(const QMultiMap<QDate, QString> &history)
{
    QStringList lines;
    const QList<QDate> days = history.uniqueKeys();
    for (const QDate &day : days) {
        // A multi-map hands out the latest entry of a key first.
        QStringList entries = history.values(day);
        std::reverse(entries.begin(), entries.end());
        for (const QString &entry : qAsConst(entries))
            lines << entry + QStringLiteral(" - ") + TextDate::shortText(day);
    }
    return lines;
}

QLabel *Module_Database::visitLabel(QWidget *parent, const QString &text)
{
    return visitWidgets.keep(new QLabel(text, parent));
}

// ---- Main page ----------------------------------------------------------

void Module_Database::createMainScreenWidgets()
{
    nameDisplayCombo = visitWidgets.keep(new QComboBox(listBox), QStringLiteral("name_display_combo"));
    fighterList = visitWidgets.keep(new QListWidget(listBox), QStringLiteral("fighter_list"));
    WrappedLines::apply(fighterList);
    flagLabel = visitWidgets.keep(new QLabel(summaryBox), QStringLiteral("flag_label"));
    summaryFields.clear();
    for (int i = 0; i < 4; ++i) {
        summaryGrid->addWidget(visitLabel(summaryBox, QLatin1String(summaryCaptions[i])), i + 2, 0);
        summaryFields.append(visitWidgets.keep(
            ObjectNames::readOnlyField(summaryBox, QStringLiteral("summary_field_") + QString::number(i))));
    }
    auto *detailedInfo =
        visitWidgets.keep(new QPushButton(QStringLiteral("Detailed Info"), mainPage), QStringLiteral("detailed_info_btn"));
    connect(detailedInfo, &QPushButton::clicked, this, &Module_Database::switchToFighterScreen);
    mainGrid->addWidget(detailedInfo, 5, 3, 1, 2);
    worldMapLabel = visitWidgets.keep(new QLabel(mainPage), QStringLiteral("world_map_label"));
    regionCombo = visitWidgets.keep(new QComboBox(filterBox), QStringLiteral("region_combo"));
    orgCombo = visitWidgets.keep(new QComboBox(filterBox), QStringLiteral("org_combo"));
}

void Module_Database::buildMainScreen()
{
    createMainScreenWidgets();
    showFlag(QStringLiteral("blank"));

    fillCombo(nameDisplayCombo, {QLatin1String(firstNameFirst), QLatin1String(lastNameFirst)}, nameDisplay);
    fillCombo(regionCombo, entriesOf(regionEntries, int(std::size(regionEntries))), regionFilter);
    fillCombo(orgCombo, entriesOf(organizationEntries, int(std::size(organizationEntries))), orgFilter);
    refreshOrg(orgFilter);

    auto *listLayout = static_cast<QVBoxLayout *>(listBox->layout());
    listLayout->setSpacing(0);
    listLayout->addWidget(nameDisplayCombo);
    listLayout->addWidget(fighterList);
    for (int i = 0; i < 4; ++i)
        summaryGrid->addWidget(summaryFields.at(i), i + 2, 1);
    summaryGrid->setSpacing(0);
    // Wider than the classic 240 so that long names are not cut.
    summaryBox->setFixedSize(320, 215);
    auto *filterLayout = static_cast<QVBoxLayout *>(filterBox->layout());
    filterLayout->setSpacing(0);
    filterLayout->addWidget(visitLabel(filterBox, QStringLiteral("Select Organization:")));
    filterLayout->addWidget(orgCombo);
    filterLayout->addWidget(visitLabel(filterBox, QStringLiteral("Select Filter:")));
    filterLayout->addWidget(regionCombo);

    connect(nameDisplayCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { changeDisplayType(nameDisplayCombo->itemText(index)); });
    connect(regionCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { refreshRegion(regionCombo->itemText(index)); });
    connect(orgCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { refreshOrg(orgCombo->itemText(index)); });
    connect(fighterList, &QListWidget::currentTextChanged, this,
            &Module_Database::showSelectedFighterSummary);

    for (int edge : {0, 7}) {
        mainGrid->setRowStretch(edge, 1);
        mainGrid->setColumnStretch(edge, 1);
    }
    mainGrid->addWidget(listBox, 1, 1, 6, 2);
    mainGrid->addWidget(summaryBox, 2, 3, 3, 2);
    mainGrid->addWidget(filterBox, 4, 5, 3, 2);
    drawWorldMap();
}

void Module_Database::clearMainScreen()
{
    visitWidgets.clearLater();
}

void Module_Database::refreshOrg(const QString &org)
{
    orgFilter = org;
    fighters = World::Instance().getFightersOf(org);
    if (regionCombo)
        refreshRegion(regionCombo->currentText());
}

void Module_Database::changeDisplayType(const QString &display)
{
    nameDisplay = display;
    if (regionCombo)
        refreshRegion(regionCombo->currentText());
}

void Module_Database::refreshRegion(const QString &region)
{
    drawWorldMap();
    regionFilter = region;
    if (!fighterList)
        return;
    fighterList->clear();
    const bool ranking = region == QLatin1String(rankingEntry);
    // The ranking keeps the standing order; a region view is alphabetical.
    fighterList->setSortingEnabled(!ranking);
    int rank = 0;
    QStringList texts;
    for (const Fighter &fighter : qAsConst(fighters)) {
        const QString name = displayedName(fighter, nameDisplay);
        if (ranking) {
            fighterList->addItem(QString::number(++rank) + QStringLiteral(". ") + name);
            continue;
        }
        texts.clear();
        fighter.getStrings(texts);
        if (texts.value(Fighter::RegionText) == region)
            fighterList->addItem(name);
    }
}

void Module_Database::showSelectedFighterSummary(const QString &text)
{
    if (fighters.isEmpty())
        return;
    const QString name = regionFilter == QLatin1String(rankingEntry) ? rankingStripped(text) : text;
    const auto shown = std::find_if(fighters.cbegin(), fighters.cend(), [&](const Fighter &fighter) {
        return displayedName(fighter, nameDisplay) == name;
    });
    if (shown == fighters.cend()) {
        clearSummary();
        return;
    }
    QStringList texts;
    shown->getStrings(texts);
    const QString values[] = {shown->getFullName(), texts.value(Fighter::NationalityText),
                              texts.value(Fighter::BackgroundText), texts.value(Fighter::OrganizationText)};
    for (int i = 0; i < summaryFields.size(); ++i)
        NameFields::show(summaryFields.at(i), values[i]);
    showFlag(texts.value(Fighter::NationalityText));
    pickedId = shown->getId();
}

void Module_Database::clearSummary()
{
    for (const QPointer<QLineEdit> &field : qAsConst(summaryFields))
        field->clear();
    showFlag(QStringLiteral("blank"));
    pickedId = 0;
}

void Module_Database::showFlag(const QString &nation)
{
    if (!flagLabel)
        return;
    summaryGrid->removeWidget(flagLabel);
    flagLabel->setPixmap(QPixmap(ResourcePaths::flag(nation)));
    flagLabel->setScaledContents(true);
    summaryGrid->addWidget(flagLabel, 0, 0, 2, 2);
}

void Module_Database::drawWorldMap()
{
    if (!worldMapLabel || !regionCombo)
        return;
    QPixmap map(QStringLiteral("./Resources/World Map/world_map.jpg"));
    const QPixmap overlay(QStringLiteral("./Resources/World Map/world_map_") + regionCombo->currentText()
                          + QStringLiteral(".png"));
    if (!map.isNull() && !overlay.isNull()) {
        QPainter painter(&map);
        painter.drawPixmap(0, 0, overlay);
    }
    mainGrid->removeWidget(worldMapLabel);
    worldMapLabel->setPixmap(map);
    worldMapLabel->setScaledContents(true);
    worldMapLabel->setFixedSize(420, 225);
    mainGrid->addWidget(worldMapLabel, 1, 5, 3, 2);
}

// ---- Fighter page -------------------------------------------------------

const Fighter *Module_Database::pickedFighter() const
{
    const auto found = std::find_if(fighters.cbegin(), fighters.cend(),
                                    [this](const Fighter &fighter) { return fighter.getId() == pickedId; });
    return found == fighters.cend() ? nullptr : &*found;
}

void Module_Database::switchToFighterScreen()
{
    // Nobody of the list carries the picked id: there is no sheet to show.
    if (pickedId == 0 || !pickedFighter())
        return;
    mainPage->hide();
    screenLayout->removeWidget(mainPage);
    clearMainScreen();
    buildFighterScreen();
    screenLayout->addWidget(fighterPage);
    fighterPage->show();
}

void Module_Database::switchToMainScreen()
{
    fighterPage->hide();
    screenLayout->removeWidget(fighterPage);
    clearFighterScreen();
    buildMainScreen();
    screenLayout->addWidget(mainPage);
    mainPage->show();
}

void Module_Database::createFighterScreenWidgets()
{
    portraitLabel = visitWidgets.keep(new QLabel(personalPanel), QStringLiteral("portrait_label"));
    bioBox = visitWidgets.keep(new QTextEdit(personalPanel), QStringLiteral("bio_box"));
    bioBox->setReadOnly(true);
    personalGrid->addWidget(bioBox, 0, 2, 6, 1);
    for (int row = 0; row < int(personalValues.size()); ++row) {
        personalGrid->addWidget(visitLabel(personalPanel, QLatin1String(personalCaptions[row])), row + 6, 0);
        personalValues[row] = visitWidgets.keep(
            ObjectNames::readOnlyField(personalPanel, QStringLiteral("personal_value_") + QString::number(row)));
        personalGrid->addWidget(personalValues[row], row + 6, 1, 1, 2);
    }
    for (int row = 0; row < int(recordValues.size()); ++row) {
        recordGrid->addWidget(visitLabel(recordPanel, QLatin1String(recordCaptions[row])), row, 0);
        recordValues[row] = visitWidgets.keep(
            ObjectNames::readOnlyField(recordPanel, QStringLiteral("record_value_") + QString::number(row)));
        recordGrid->addWidget(recordValues[row], row, 1);
    }
    historyList = visitWidgets.keep(new QListWidget(recordPanel), QStringLiteral("history_list"));
    WrappedLines::apply(historyList);
    titlesList = visitWidgets.keep(new QListWidget(recordPanel), QStringLiteral("titles_list"));
    // A title line names the fighter it was won from.
    WrappedLines::apply(titlesList);
    recordGrid->addWidget(historyList, 3, 0, 4, 2);
    recordGrid->addWidget(titlesList, 7, 0, 4, 2);
    auto *close = visitWidgets.keep(new QPushButton(QStringLiteral("Close"), fighterPage), QStringLiteral("close_btn"));
    connect(close, &QPushButton::clicked, this, &Module_Database::switchToMainScreen);
    // Beside the 550-pixel panels, not under them: below they would not fit
    // under the menu bar.
    fighterGrid->addWidget(close, 6, 3, 1, 2);
    ratings = std::make_unique<RatingsGrid>(attributesPanel, attributesGrid, RatingsGrid::numbered(QStringLiteral("rating_value_")));
}

void Module_Database::buildFighterScreen()
{
    createFighterScreenWidgets();
    if (const Fighter *fighter = pickedFighter())
        fillFighterScreen(*fighter);
    StyleSheetFile::apply(ResourcePaths::screenStyleSheetFile(), fighterPage);

    personalGrid->setSpacing(0);
    personalPanel->setFixedSize(400, 550);
    recordGrid->setSpacing(0);
    recordGrid->setColumnStretch(1, 1);
    fighterGrid->addWidget(personalPanel, 1, 1, 6, 2);
    fighterGrid->addWidget(recordPanel, 1, 3, 5, 2);
    fighterGrid->addWidget(attributesPanel, 1, 5, 6, 2);
    for (int edge : {0, 7}) {
        fighterGrid->setRowStretch(edge, 1);
        fighterGrid->setColumnStretch(edge, 1);
    }
}

void Module_Database::fillFighterScreen(const Fighter &fighter)
{
    QVector<int> managerStats;
    World::Instance().getManagerStats(managerStats);
    const int scouting = managerStats.value(Manager::ScoutingIndex);

    QStringList texts;
    QVector<int> numbers;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    QStringList titles;
    fighter.getData(texts, numbers, birthday, history, titles);

    QString background = texts.value(Fighter::BackgroundText);
    if (scouting == fullScouting)
        background += QLatin1Char('/') + texts.value(Fighter::StyleText);
    const QString personal[] = {fighter.getFullName(), texts.value(Fighter::NationalityText),
                                texts.value(Fighter::RegionText), background, texts.value(Fighter::ReputationText),
                                birthday.toString(QStringLiteral("dd-MM-yyyy")),
                                QString::number(numbers.value(Fighter::AgeIndex))};
    for (int row = 0; row < int(personalValues.size()); ++row)
        NameFields::show(personalValues[row], personal[row]);
    bioBox->setPlainText(texts.value(Fighter::BioText));
    drawPortrait(fighter);

    for (int row = 0; row < int(recordValues.size()); ++row)
        recordValues[row]->setText(QString::number(numbers.value(Fighter::WinsIndex + row)));
    historyList->clear();
    historyList->addItems(historyLines(history));
    titlesList->clear();
    titlesList->addItems(titles);

    for (int skill = 0; skill < SkillTable::SkillCount; ++skill) {
        const bool shown = scouting >= scoutingGate(skill);
        ratings->setValue(skill, shown ? QString::number(fighter.getSkill(skill)) : QStringLiteral("?"));
    }
}

void Module_Database::drawPortrait(const Fighter &fighter)
{
    FighterPortrait::place(portraitLabel, personalGrid, 0, 0, 6, 2,
                           FighterPortrait::portrait(FighterAppearance::of(fighter)));
}

void Module_Database::clearFighterScreen()
{
    ratings.reset();
    visitWidgets.clearLater();
}
