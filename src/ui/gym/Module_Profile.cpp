#include "Module_Profile.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "FighterPortrait.h"
#include "ImportChooser.h"
#include "RatingsGrid.h"
#include "records/Fighter.h"
#include "records/Manager.h"
#include "records/TextDate.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/WrappedLines.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

// The three skill groups of the manager page: eight captions each (a title,
// three skills, a second title or an empty row, three skills) over six of
// the manager's numbers from the first one given.
struct SkillGroupRow {
    const char *captions[8];
    int firstNumber;
};

const SkillGroupRow managerSkillGroups[3] = {
    {{"Training - Offense", "Punch", "Kick", "Clinch Off.", "Training - Defense", "Movement", "Guard",
      "Clinch Def."}, 1},
    {{"Training - Physical", "Power", "Speed", "Conditioning", "Training - Mental", "Timing",
      "Intelligence", "Discipline"}, 7},
    {{"Abilities", "Scouting", "Motivating", "Cornering", "", "Negotiating", "Charisma", "Intuition"}, 13},
};

const char *const personalCaptions[] = {"Name: ",      "Nationality", "Region", "Fighting Background:",
                                        "Reputation:", "Birthday:",   "Age:"};
enum PersonalValue { NameValue, NationalityValue, RegionValue, BackgroundValue, ReputationValue,
                     BirthdayValue, AgeValue };
const char *const recordCaptions[] = {"Wins:", "Losses:", "KOs:"};

QWidget *newBox(QWidget *page, QGridLayout *&grid)
{
    auto *box = new QWidget(page);
    grid = new QGridLayout(box);
    grid->setSpacing(0);
    return box;
}

} // namespace

Module_Profile::Module_Profile(QWidget *parent)
    : ScreenFrame(parent)
    , mainLayout(new QVBoxLayout(this))
    , managerPage(new QWidget(this))
    , managerPageLayout(new QGridLayout(managerPage))
    , managerNamesBox(newBox(managerPage, managerNamesLayout))
    , managerRecordBox(newBox(managerPage, managerRecordLayout))
    , offenseDefenseBox(newBox(managerPage, offenseDefenseLayout))
    , physicalMentalBox(newBox(managerPage, physicalMentalLayout))
    , abilitiesBox(newBox(managerPage, abilitiesLayout))
    , titlesBox(new QWidget(managerPage))
    , titlesLayout(new QVBoxLayout(titlesBox))
    , fighterPage(new QWidget(this))
    , fighterPageLayout(new QGridLayout(fighterPage))
    // Named for the style sheet, which gives the fixed panels a smaller font.
    , personalBox(ObjectNames::named(newBox(fighterPage, personalLayout), QStringLiteral("personal_box")))
    , fighterRecordBox(
          ObjectNames::named(newBox(fighterPage, fighterRecordLayout), QStringLiteral("fighter_record_box")))
    , attributesBox(ObjectNames::named(new QWidget(fighterPage), QStringLiteral("attributes_box")))
    , attributesLayout(new QGridLayout(attributesBox))
    , messageDialog(new GameDialog(DialogStyle::B))
    , importDialog(new ImportChooser)
{
    // The fighter page's 550-pixel panel and the button under it fill the
    // height below the menu bar without a margin round the page.
    mainLayout->setContentsMargins(0, 0, 0, 0);
    titlesLayout->setSpacing(0);
    managerRecordBox->setFixedSize(250, 100);
    for (QWidget *box : {offenseDefenseBox, physicalMentalBox, abilitiesBox})
        box->setFixedSize(200, 250);
    for (QGridLayout *grid : {managerPageLayout, fighterPageLayout}) {
        grid->setRowStretch(0, 1);
        grid->setRowStretch(7, 1);
        grid->setColumnStretch(0, 1);
    }
    managerPageLayout->setColumnStretch(5, 1);
    fighterPageLayout->setColumnStretch(7, 1);
    managerPageLayout->addWidget(managerNamesBox, 1, 1, 2, 2);
    managerPageLayout->addWidget(managerRecordBox, 1, 4, 2, 1);
    managerPageLayout->addWidget(offenseDefenseBox, 3, 1, 3, 1);
    managerPageLayout->addWidget(physicalMentalBox, 3, 2, 3, 1);
    managerPageLayout->addWidget(abilitiesBox, 3, 3, 3, 1);
    managerPageLayout->addWidget(titlesBox, 3, 4, 3, 1);

    personalBox->setFixedSize(400, 550);
    personalLayout->setColumnStretch(1, 1);
    fighterRecordLayout->setColumnStretch(1, 1);
    fighterPageLayout->addWidget(personalBox, 1, 1, 6, 2);
    fighterPageLayout->addWidget(fighterRecordBox, 2, 3, 2, 2);
    fighterPageLayout->addWidget(attributesBox, 1, 5, 6, 2);
    fighterPage->hide();

    buildManagerScreen();
    mainLayout->addWidget(managerPage);
}

Module_Profile::~Module_Profile() = default;

QString Module_Profile::backgroundText(const QString &background, const QString &style, int intuition)
{
    return intuition == 10 ? background + QLatin1Char('/') + style : background;
}

QString Module_Profile::recordText(int wins, int losses)
{
    return QString::number(wins) + QStringLiteral(" - ") + QString::number(losses);
}

QStringList Module_Profile::historyLines(const QMultiMap<QDate, QString> &history)
{
    QStringList lines;
    const QList<QDate> dates = history.uniqueKeys();
    for (const QDate &date : dates) {
        // The map yields a day's latest result first.
        QStringList results = history.values(date);
        std::reverse(results.begin(), results.end());
        for (const QString &result : qAsConst(results))
            lines << TextDate::shortText(date) + QStringLiteral(" - ") + result;
    }
    return lines;
}

QLineEdit *Module_Profile::addValue(VisitWidgets &pageWidgets, QWidget *box, QGridLayout *grid,
                                    const QString &caption, const QString &text, int row, int valueColumnSpan)
{
    grid->addWidget(pageWidgets.keep(new QLabel(caption, box)), row, 0);
    auto *value = pageWidgets.keep(ObjectNames::readOnlyField(box, RatingsGrid::captionObjectName(caption), text));
    grid->addWidget(value, row, 1, 1, valueColumnSpan);
    return value;
}

// --- Manager page -----------------------------------------------------------

void Module_Profile::buildManagerScreen()
{
    createManagerScreenWidgets();
    showFlag();
}

void Module_Profile::createManagerScreenWidgets()
{
    QStringList texts, titles;
    QVector<int> numbers;
    World::Instance().getManagerData(texts, numbers, titles);
    auto &widgets = managerPageWidgets;

    const char *const nameCaptions[] = {"First Name", "Last Name", "Nationality", "Reputation"};
    const int nameTexts[] = {0, 1, 3, 4};
    for (int row = 0; row < 4; ++row) {
        QLineEdit *value =
            addValue(widgets, managerNamesBox, managerNamesLayout, QLatin1String(nameCaptions[row]), QString(), row);
        NameFields::show(value, texts.value(nameTexts[row]));
        if (row == 2)
            nationalityValue = value;
    }
    flagLabel = widgets.keep(new QLabel(managerPage), "flag_label");

    addValue(widgets, managerRecordBox, managerRecordLayout, QStringLiteral("Overall Record"),
             recordText(numbers.value(Manager::WinsIndex), numbers.value(Manager::LossesIndex)), 0);
    addValue(widgets, managerRecordBox, managerRecordLayout, QStringLiteral("Active Record"),
             recordText(numbers.value(Manager::ActiveWinsIndex), numbers.value(Manager::ActiveLossesIndex)), 1);

    QGridLayout *const skillGrids[] = {offenseDefenseLayout, physicalMentalLayout, abilitiesLayout};
    QWidget *const skillBoxes[] = {offenseDefenseBox, physicalMentalBox, abilitiesBox};
    for (int g = 0; g < 3; ++g) {
        QStringList captions;
        for (const char *caption : managerSkillGroups[g].captions)
            captions << QLatin1String(caption);
        addSkillGroup(skillGrids[g], skillBoxes[g], captions, numbers, managerSkillGroups[g].firstNumber);
    }

    titlesLayout->addWidget(widgets.keep(new QLabel(QStringLiteral("Manager Titles:"), titlesBox)));
    auto *titlesList = widgets.keep(new QListWidget(titlesBox), "titles_list");
    titlesList->addItems(titles);
    titlesLayout->addWidget(titlesList);

    auto *importButton = widgets.keep(new QPushButton(QStringLiteral("Import Fighter Into Database"), managerPage),
                              "import_button");
    auto *currentFightersButton =
        widgets.keep(new QPushButton(QStringLiteral("Current Fighters"), managerPage), "current_fighters_button");
    managerPageLayout->addWidget(importButton, 6, 2);
    managerPageLayout->addWidget(currentFightersButton, 6, 1);
    connect(importButton, &QPushButton::clicked, this, &Module_Profile::importIntoDatabase);
    connect(currentFightersButton, &QPushButton::clicked, this, &Module_Profile::changeToFighterScreen);
}

void Module_Profile::addSkillGroup(QGridLayout *grid, QWidget *box, const QStringList &captions,
                                   const QVector<int> &numbers, int firstNumber)
{
    int number = firstNumber;
    for (int row = 0; row < captions.size(); ++row) {
        if (row % 4 == 0) {
            // A title, or in the abilities group the empty row.
            grid->addWidget(managerPageWidgets.keep(new QLabel(captions.at(row), box)), row, 0, 1, 2);
            continue;
        }
        addValue(managerPageWidgets, box, grid, captions.at(row), QString::number(numbers.value(number++)), row);
    }
}

void Module_Profile::showFlag()
{
    const QPixmap flag(ResourcePaths::flag(nationalityValue->text()));
    managerPageLayout->removeWidget(flagLabel);
    flagLabel->setPixmap(flag);
    flagLabel->setScaledContents(true);
    flagLabel->setFixedSize(144, 90);
    managerPageLayout->addWidget(flagLabel, 1, 3, 1, 1);
}

void Module_Profile::clearManagerScreen()
{
    managerPageWidgets.clearLater();
}

void Module_Profile::changeToFighterScreen()
{
    managerPage->hide();
    mainLayout->removeWidget(managerPage);
    clearManagerScreen();
    buildFighterScreen();
    mainLayout->addWidget(fighterPage);
    fighterPage->show();
}

void Module_Profile::changeToManagerScreen()
{
    fighterPage->hide();
    mainLayout->removeWidget(fighterPage);
    clearFighterScreen();
    buildManagerScreen();
    mainLayout->addWidget(managerPage);
    managerPage->show();
}

// --- Fighter page -----------------------------------------------------------

void Module_Profile::buildFighterScreen()
{
    createFighterScreenWidgets();
    layOutFighterScreen();
    // The first fill is this call, not the chooser's signal.
    switchFighterShown(fighterCombo->currentIndex());
    connect(fighterCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Module_Profile::switchFighterShown);
}

void Module_Profile::createFighterScreenWidgets()
{
    auto &widgets = fighterPageWidgets;
    fighterCombo = widgets.keep(new QComboBox(fighterPage), "fighter_combo");
    NameFields::keepNarrow(fighterCombo);
    refillFighterCombo();

    for (int value = 0; value < int(personalValues.size()); ++value) {
        personalValues[value] = addValue(widgets, personalBox, personalLayout, QLatin1String(personalCaptions[value]),
                                         QString(), value + 6, 2);
    }
    portraitLabel = widgets.keep(new QLabel(personalBox), "portrait_label");
    personalLayout->addWidget(portraitLabel, 0, 0, 6, 2);
    bioEdit = widgets.keep(new QTextEdit(personalBox), "bio_edit");
    personalLayout->addWidget(bioEdit, 0, 2, 5, 1);
    auto *updateBioButton =
        widgets.keep(new QPushButton(QStringLiteral("Update Fighter Bio"), personalBox), "update_bio_button");
    personalLayout->addWidget(updateBioButton, 5, 2, 1, 1);
    connect(updateBioButton, &QPushButton::clicked, this, &Module_Profile::updateFighterBio);

    for (int value = 0; value < int(recordValues.size()); ++value) {
        recordValues[value] = addValue(widgets, fighterRecordBox, fighterRecordLayout,
                                       QLatin1String(recordCaptions[value]), QString(), value);
    }
    historyList = widgets.keep(new QListWidget(fighterRecordBox), "history_list");
    WrappedLines::apply(historyList);
    fighterRecordLayout->addWidget(historyList, 3, 0, 4, 2);
    fighterTitlesList = widgets.keep(new QListWidget(fighterRecordBox), "fighter_titles_list");
    // A title line names the fighter it was won from.
    WrappedLines::apply(fighterTitlesList);
    fighterRecordLayout->addWidget(fighterTitlesList, 7, 0, 4, 2);

    ratings = std::make_unique<RatingsGrid>(attributesBox, attributesLayout, RatingsGrid::namedByCaption());
}

void Module_Profile::layOutFighterScreen()
{
    struct ButtonRow {
        const char *text;
        const char *objectName;
        int row;
        void (Module_Profile::*slot)();
    };
    const ButtonRow buttons[] = {
        {"Export Fighter", "export_button", 4, &Module_Profile::exportFighter},
        {"Import Fantasy Match", "fantasy_match_button", 5, &Module_Profile::importFantasyMatch},
        {"Retire Fighter", "retire_button", 6, &Module_Profile::retireFighter},
        {"Manager Profile", "manager_profile_button", 7, &Module_Profile::changeToManagerScreen},
    };
    for (const ButtonRow &b : buttons) {
        auto *button = fighterPageWidgets.keep(new QPushButton(QLatin1String(b.text), fighterPage), b.objectName);
        fighterPageLayout->addWidget(button, b.row, 3, 1, 2);
        connect(button, &QPushButton::clicked, this, b.slot);
    }
    fighterPageLayout->addWidget(fighterCombo, 1, 3, 1, 2);
}

void Module_Profile::refillFighterCombo()
{
    QStringList names;
    World::Instance().getRosterNames(names);
    const QSignalBlocker quiet(fighterCombo);
    fighterCombo->clear();
    fighterCombo->addItems(names);
    fighterCombo->setCurrentIndex(names.isEmpty() ? -1 : 0);
}

void Module_Profile::switchFighterShown(int index)
{
    World &world = World::Instance();
    QVector<int> managerStats;
    world.getManagerStats(managerStats);
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    world.getFighterProfile(texts, ints, birthday, history, titles, index);
    Fighter fighter;
    fighter.setData(texts, ints, birthday, history, titles);

    NameFields::show(personalValues[NameValue],
                     texts.value(Fighter::FirstNameText) + QLatin1Char(' ') + texts.value(Fighter::LastNameText));
    personalValues[NationalityValue]->setText(texts.value(Fighter::NationalityText));
    personalValues[RegionValue]->setText(texts.value(Fighter::RegionText));
    personalValues[BackgroundValue]->setText(backgroundText(
        texts.value(Fighter::BackgroundText), texts.value(Fighter::StyleText), managerStats.value(Manager::IntuitionIndex)));
    personalValues[ReputationValue]->setText(texts.value(Fighter::ReputationText));
    personalValues[BirthdayValue]->setText(birthday.toString(QStringLiteral("dd-MM-yyyy")));
    personalValues[AgeValue]->setText(QString::number(ints.value(Fighter::AgeIndex)));
    bioEdit->setPlainText(texts.value(Fighter::BioText));
    drawPortrait(fighter, index >= 0 && index < fighterCombo->count());

    const int recordIndexes[] = {Fighter::WinsIndex, Fighter::LossesIndex, Fighter::KnockoutsIndex};
    for (int i = 0; i < int(recordValues.size()); ++i)
        recordValues[i]->setText(QString::number(ints.value(recordIndexes[i])));
    historyList->clear();
    historyList->addItems(historyLines(history));
    fighterTitlesList->clear();
    fighterTitlesList->addItems(titles);
    ratings->showRatings(fighter);
}

void Module_Profile::drawPortrait(const Fighter &fighter, bool rosterFighter)
{
    // The world's stand-in for an empty roster carries no pictures.
    const FighterAppearance appearance = rosterFighter ? FighterAppearance::of(fighter) : FighterAppearance();
    FighterPortrait::place(portraitLabel, personalLayout, 0, 0, 6, 2, FighterPortrait::portrait(appearance));
}

void Module_Profile::clearFighterScreen()
{
    ratings.reset();
    fighterPageWidgets.clearLater();
}

QString Module_Profile::shownFighterName() const
{
    return fighterCombo ? fighterCombo->currentText() : QString();
}

int Module_Profile::shownFighterIndex() const
{
    return fighterCombo ? fighterCombo->currentIndex() : -1;
}
