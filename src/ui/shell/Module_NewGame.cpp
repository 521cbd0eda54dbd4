#include "Module_NewGame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "GameDialog.h"
#include "ModuleManager.h"
#include "ObjectNames.h"
#include "SkillBoxes.h"
#include "Module_MainMenu.h"
#include "records/Gym.h"
#include "records/GymColours.h"
#include "ui/gym/FighterPortrait.h"
#include "ui/gym/Module_Profile.h"
#include "world/GeneratorTables.h"
#include "world/OriginFiles.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

using ObjectNames::named;

namespace {

// One nation list per region of GeneratorTables::regions().
const int regionCount = 8;

// A new gym: no prestige, $10,000, level 0, 3 student and 1 fighter slots,
// all 21 pieces of equipment at level 0.
const int startingMoney = 10000;
const int startingStudentSlots = 3;
const int startingFighterSlots = 1;
const char *const unknownLabel = "Unknown";

} // namespace

Module_NewGame::Module_NewGame(QWidget *parent)
    : ScreenFrame(parent)
    , backToMenuButton(new QPushButton(QStringLiteral("Back to Main Menu")))
    , toGymButton(new QPushButton(QStringLiteral("Advance to Gym Creation")))
    , toManagerButton(new QPushButton(QStringLiteral("Back to Manager Creation")))
    , toGameButton(new QPushButton(QStringLiteral("Advance to Game")))
    , screenLayout(new QVBoxLayout)
    // The page not shown is hidden and out of the layout, but stays ours.
    , managerPage(new QWidget(this))
    , managerPageLayout(new QGridLayout)
    , gymPage(new QWidget(this))
    , gymPageLayout(new QGridLayout)
    , nameBox(new QWidget)
    , nameBoxLayout(new QGridLayout)
    , managerTitle(new QLabel(QStringLiteral("Create Your Manager")))
    , firstNameEdit(named(new QLineEdit, QStringLiteral("manager_first_name")))
    , lastNameEdit(named(new QLineEdit, QStringLiteral("manager_last_name")))
    , regionCombo(named(new QComboBox, QStringLiteral("manager_region")))
    , nationalityCombo(named(new QComboBox, QStringLiteral("manager_nationality")))
    , skillPointsLabel(named(new QLabel(SkillBoxes::pointsText(skillPool)), QStringLiteral("manager_skill_points")))
    , flagLabel(named(new QLabel, QStringLiteral("manager_flag")))
    , gymBox(new QWidget)
    , gymBoxLayout(new QGridLayout)
    , gymTitle(new QLabel(QStringLiteral("Create Your Gym")))
    , gymNameEdit(named(new QLineEdit, QStringLiteral("gym_name")))
    , styleCombo(named(new QComboBox, QStringLiteral("gym_style")))
    , primaryCombo(named(new QComboBox, QStringLiteral("gym_primary_colour")))
    , secondaryCombo(named(new QComboBox, QStringLiteral("gym_secondary_colour")))
    , colourLabel(named(new QLabel, QStringLiteral("gym_colour_picture")))
{
    skillSpins = SkillBoxes::makeSpins();
    pointPool.reset(new SkillPointPool(skillPool, skillSpins));

    loadNations();
    buildManagerInfo();
    buildGymInfo();
    gymPage->hide();
    screenLayout->addWidget(managerPage);
    setLayout(screenLayout);
}

Module_NewGame::~Module_NewGame() = default;

const QStringList &Module_NewGame::gymStyles()
{
    static const QStringList styles = {"Shootboxing", "Kickboxing", "Boxing", "Taekwondo",
                                       "Muay Thai", "MMA", "Karate"};
    return styles;
}

void Module_NewGame::loadNations()
{
    bool opened = false;
    nations = OriginFiles::readNations(ResourcePaths::nationsFile(), &opened);
    if (!opened) {
        QMessageBox warning;
        warning.setText(QStringLiteral("Warning: ") + ResourcePaths::nationsFile()
                        + QStringLiteral(" - File not found. Proceeding may cause errors with the game."));
        placeOverGameWindow(&warning);
        warning.exec();
    }
}

void Module_NewGame::buildManagerInfo()
{
    regionCombo->setEditable(false);
    regionCombo->addItems(GeneratorTables::regions());
    regionCombo->setCurrentIndex(0);
    changeRegion(regionCombo->currentIndex());

    managerTitle->setAlignment(Qt::AlignHCenter);
    skillPointsLabel->setAlignment(Qt::AlignHCenter);

    nameBoxLayout->setSpacing(0);
    nameBoxLayout->addWidget(managerTitle, 0, 0, 1, 2);
    const char *const nameLabels[] = {"First Name:", "Last Name:", "Region:", "Nationality:"};
    QWidget *const nameFields[] = {firstNameEdit, lastNameEdit, regionCombo, nationalityCombo};
    for (int row = 0; row < 4; ++row) {
        nameBoxLayout->addWidget(new QLabel(QString::fromLatin1(nameLabels[row])), row + 1, 0);
        nameBoxLayout->addWidget(nameFields[row], row + 1, 1);
    }
    nameBoxLayout->addWidget(skillPointsLabel, 5, 0, 1, 2);
    nameBox->setLayout(nameBoxLayout);

    managerPageLayout->addWidget(nameBox, 1, 1, 2, 2);
    changeFlagDisplay();

    buildSkillBoxes();
    managerPageLayout->setColumnStretch(0, 1);
    managerPageLayout->setColumnStretch(4, 1);
    managerPageLayout->setRowStretch(0, 1);
    managerPageLayout->setRowStretch(7, 1);

    connect(regionCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Module_NewGame::changeRegion);
    connect(nationalityCombo, QOverload<int>::of(&QComboBox::activated), this, &Module_NewGame::changeFlagDisplay);
    for (QSpinBox *spin : qAsConst(skillSpins))
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &Module_NewGame::calculateSkill);
    connect(backToMenuButton, &QPushButton::clicked, this, &Module_NewGame::backToMainMenu);
    connect(toGymButton, &QPushButton::clicked, this, &Module_NewGame::aheadToGymInfo);

    managerPageLayout->addWidget(backToMenuButton, 6, 1);
    managerPageLayout->addWidget(toGymButton, 6, 3);
    managerPage->setLayout(managerPageLayout);
}

void Module_NewGame::buildSkillBoxes()
{
    for (QSpinBox *spin : qAsConst(skillSpins))
        spin->setRange(0, SkillPointPool::skillMaximum);
    skillBoxes = SkillBoxes::makeBoxes(skillSpins);
    for (int box = 0; box < skillBoxes.size(); ++box)
        managerPageLayout->addWidget(skillBoxes.at(box), 3, box + 1, 3, 1);
}

void Module_NewGame::changeRegion(int index)
{
    nationalityCombo->clear();
    nationalityCombo->addItems(nations.at(index >= 0 && index < regionCount ? index : 0));
    changeFlagDisplay();
}

void Module_NewGame::changeFlagDisplay()
{
    flagFile = ResourcePaths::flag(nationalityCombo->currentText());
    flagLabel->setPixmap(QPixmap(flagFile));
    flagLabel->setScaledContents(true);
    flagLabel->setFixedSize(160, 100);
    managerPageLayout->addWidget(flagLabel, 2, 3);
}

void Module_NewGame::calculateSkill()
{
    skillPoints = pointPool->recalculate(qobject_cast<QSpinBox *>(sender()));
    skillPointsLabel->setText(SkillBoxes::pointsText(skillPoints));
}

void Module_NewGame::showPage(QWidget *page)
{
    QWidget *shown = page == managerPage ? gymPage : managerPage;
    shown->hide();
    screenLayout->removeWidget(shown);
    screenLayout->addWidget(page);
    page->show();
}

void Module_NewGame::aheadToGymInfo()
{
    showPage(gymPage);
}

void Module_NewGame::backToManagerInfo()
{
    showPage(managerPage);
}

void Module_NewGame::buildGymInfo()
{
    styleCombo->setEditable(false);
    styleCombo->addItems(gymStyles());
    primaryCombo->setEditable(false);
    primaryCombo->addItems(GymColours::names());
    secondaryCombo->setEditable(false);
    secondaryCombo->addItems(GymColours::names());

    gymTitle->setAlignment(Qt::AlignHCenter);
    // The box is small for five rows; its edges are given to the fields.
    gymBoxLayout->setContentsMargins(0, 0, 0, 0);
    gymBoxLayout->setSpacing(0);
    gymBoxLayout->addWidget(gymTitle, 0, 0, 1, 4);
    const char *const gymLabels[] = {"Gym Name", "Signature Style", "Primary Colour", "Secondary Colour"};
    QWidget *const gymFields[] = {gymNameEdit, styleCombo, primaryCombo, secondaryCombo};
    for (int row = 0; row < 4; ++row) {
        gymBoxLayout->addWidget(new QLabel(QString::fromLatin1(gymLabels[row])), row + 1, 0);
        gymBoxLayout->addWidget(gymFields[row], row + 1, 1, 1, 3);
    }
    gymBox->setLayout(gymBoxLayout);
    gymBox->setFixedSize(575, 120);

    gymPageLayout->addWidget(gymBox, 1, 1, 2, 4);
    changeColourDisplay();
    gymPageLayout->setColumnStretch(0, 1);
    gymPageLayout->setColumnStretch(5, 1);
    gymPageLayout->setRowStretch(0, 1);
    gymPageLayout->setRowStretch(7, 1);

    connect(primaryCombo, QOverload<int>::of(&QComboBox::activated), this, &Module_NewGame::changeColourDisplay);
    connect(secondaryCombo, QOverload<int>::of(&QComboBox::activated), this, &Module_NewGame::changeColourDisplay);
    connect(toManagerButton, &QPushButton::clicked, this, &Module_NewGame::backToManagerInfo);
    connect(toGameButton, &QPushButton::clicked, this, &Module_NewGame::aheadToGame);

    toManagerButton->setFixedWidth(280);
    toGameButton->setFixedWidth(280);
    gymPageLayout->addWidget(toManagerButton, 6, 1, 1, 2);
    gymPageLayout->addWidget(toGameButton, 6, 3, 1, 2);
    gymPage->setLayout(gymPageLayout);
}

void Module_NewGame::changeColourDisplay()
{
    colourLabel->setPixmap(FighterPortrait::gymColours(primaryCombo->currentText(), secondaryCombo->currentText()));
    colourLabel->setScaledContents(true);
    colourLabel->setFixedSize(250, 250);
    gymPageLayout->addWidget(colourLabel, 3, 2, 3, 2);
}

void Module_NewGame::createManager()
{
    const QStringList texts = {firstNameEdit->text(), lastNameEdit->text(), regionCombo->currentText(),
                               nationalityCombo->currentText(), QString::fromLatin1(unknownLabel)};
    QVector<int> numbers;
    numbers.append(0); // reputation points
    for (const QSpinBox *spin : qAsConst(skillSpins))
        numbers.append(spin->value());
    numbers << 0 << 0 << 0 << 0; // overall and active wins and losses
    World::Instance().setupManager(texts, numbers, QStringList());
}

void Module_NewGame::createGym()
{
    const QStringList texts = {gymNameEdit->text(), styleCombo->currentText(), primaryCombo->currentText(),
                               secondaryCombo->currentText(), QString::fromLatin1(unknownLabel)};
    QVector<int> numbers = {0, startingMoney, 0, startingStudentSlots, startingFighterSlots};
    numbers += QVector<int>(Gym::EquipmentCount, 0);
    World::Instance().setupGym(texts, numbers, QVector<int>(Gym::MonthCount, 0));
}

void Module_NewGame::loadWorldDefaults()
{
    World::Instance().loadDefaultData();
}

void Module_NewGame::aheadToGame()
{
    createManager();
    createGym();
    loadWorldDefaults();
    ModuleManager::Instance()->showTopMenu();
    ModuleManager::Instance()->changeScreen(new Module_Profile);
}

void Module_NewGame::backToMainMenu()
{
    ModuleManager::Instance()->changeScreen(new Module_MainMenu);
}
