#include "Module_Training.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "FighterPortrait.h"
#include "records/GymFighter.h"
#include "records/NumberText.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/PlainText.h"
#include "ui/shell/WrappedLines.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

// One row per piece of equipment, in the gym's order: it names the level
// label, the upgrade button and the plan button's tool tip.
struct Equipment
{
    const char *name;
    const char *improves;
    const char *buttonText;
};

const Equipment equipmentTable[Gym::EquipmentCount] = {
    {"Heavy Bag", "Improves Cross, Body Punching and Jab", "Upgrade Heavy Bag"},
    {"Focus Mitts", "Improves Combos, Accuracy and Focus", "Upgrade Focus Mitts"},
    {"Speed Bag", "Improves Attack Speed, Agility and Stamina", "Upgrade Speed bag"},
    {"Banana Bag", "Improves Low Kick, Mid Kick and High Kick", "Upgrade Banana Bag"},
    {"Wall Bag", "Improves Uppercut, Dirty Boxing and Hook", "Upgrade Wall Bag"},
    {"Thai Pads", "Improves Knee, Elbow and Front Kick", "Upgrade Thai Pads"},
    {"Sparring", "Improves Offensive, Defensive Awareness and Dazed Guard", "Upgrade Sparring"},
    {"Shadow Boxing", "Improves Clinch Footwork, Head Guard and Leg Guard", "Upgrade Shadow Boxing"},
    {"Grappling", "Improves Clinch Grappling and Positioning, and Dirty Box Defense", "Upgrade Grappling"},
    {"Swerve Bag", "Improves Head Movement, Dodge and Reaction", "Upgrade Swerve Bag"},
    {"Movement Drills", "Improves Footwork, Movement and Pressuring", "Upgrade Movement Drills"},
    {"Foam Sticks", "Improves Body Movement, Positioning and Counter", "Upgrade Foam Sticks"},
    {"Skip Rope", "Improves Cardio, Footwork and Perseverance", "Upgrade Skip Rope"},
    {"Kettle Bells", "Improves Explosiveness and Strength", "Upgrade Kettle Bells"},
    {"Running", "Improves Cardio, Stamina and Recovery", "Upgrade Running"},
    {"Plyometrics", "Improves Explosiveness, Attack Power and Recovery", "Upgrade Plyometrics"},
    {"Heavy Weights", "Improves Strength, Clinch Grappling and Pressuring", "Upgrade Heavy Weights"},
    {"Video Study", "Improves Strategizing, Off. Awareness and Positioning", "Upgrade Video Study"},
    {"Game Planning", "Improves Strategizing, Self Control and Focus", "Upgrade Game Planning"},
    {"Meditation", "Improves Recovery, Self Control and Perseverance", "Upgrade Meditation"},
    {"Rattan Sticks", "Improves Recovery, Toughness and Body Guard", "Upgrade Rattan Sticks"},
};

const char *const restToolTip = "Rest - Reduces Fatigue Level";
const int EquipmentIconSide = 40;

// Plan p > 0 trains on equipment p - 1.
const Equipment &equipmentOfPlan(int plan)
{
    return equipmentTable[plan - 1];
}

bool isUpgradableLevel(int level)
{
    return level >= 0 && level < Gym::MaximumLevel;
}

QString gymLevelText(int level) { return QStringLiteral("Gym Level: ") + QString::number(level); }
QString studentSlotsText(int places) { return QStringLiteral("Student Slots: ") + QString::number(places); }
QString fighterSlotsText(int places) { return QStringLiteral("Fighter Slots: ") + QString::number(places); }

QVector<int> gymFigures()
{
    QVector<int> figures;
    World::Instance().getGymStats(figures);
    return figures;
}

} // namespace

template <typename Widget>
Widget *Module_Training::named(Widget *widget, const QString &objectName)
{
    return pageWidgets.keep(widget, objectName);
}

QLineEdit *Module_Training::readOnlyEdit(const QString &text, const QString &objectName, QWidget *parent)
{
    return pageWidgets.keep(ObjectNames::readOnlyField(parent, objectName, text));
}

Module_Training::Module_Training(QWidget *parent)
    : ScreenFrame(parent)
    , mainLayout(new QVBoxLayout)
    , gymInfoPage(ObjectNames::named(new QWidget(this), QStringLiteral("gym_info_page")))
    , gymInfoLayout(new QGridLayout(gymInfoPage))
    , gymDetailsPanel(ObjectNames::named(new QWidget(gymInfoPage), QStringLiteral("gym_details_panel")))
    , gymDetailsLayout(new QGridLayout(gymDetailsPanel))
    , equipmentPanel(ObjectNames::named(new QWidget(gymInfoPage), QStringLiteral("equipment_panel")))
    , equipmentLayout(new QGridLayout(equipmentPanel))
    , trainingInfoPage(ObjectNames::named(new QWidget(this), QStringLiteral("training_info_page")))
    , trainingInfoLayout(new QGridLayout(trainingInfoPage))
    , fighterDetailsPanel(ObjectNames::named(new QWidget(trainingInfoPage), QStringLiteral("fighter_details_panel")))
    , fighterDetailsLayout(new QGridLayout(fighterDetailsPanel))
    , fighterChooserPanel(ObjectNames::named(new QWidget(trainingInfoPage), QStringLiteral("fighter_chooser_panel")))
    , fighterChooserLayout(new QGridLayout(fighterChooserPanel))
    , trainingLogPanel(ObjectNames::named(new QWidget(trainingInfoPage), QStringLiteral("training_log_panel")))
    , trainingLogLayout(new QVBoxLayout(trainingLogPanel))
    , planPanel(ObjectNames::named(new QWidget(trainingInfoPage), QStringLiteral("plan_panel")))
    , planLayout(new QGridLayout(planPanel))
    , messageDialog(new GameDialog(DialogStyle::B))
{
    gymDetailsPanel->setFixedWidth(270);
    equipmentPanel->setFixedSize(735, 545);
    gymDetailsLayout->setSpacing(0);
    equipmentLayout->setSpacing(0);
    for (int column : {1, 4, 7})
        equipmentLayout->setColumnStretch(column, 1);
    gymInfoLayout->addWidget(gymDetailsPanel, 0, 0);
    gymInfoLayout->addWidget(equipmentPanel, 0, 1);

    fighterDetailsPanel->setFixedSize(350, 100);
    fighterDetailsLayout->setSpacing(0);
    trainingLogLayout->setSpacing(0);
    planPanel->setFixedSize(350, 550);
    trainingInfoLayout->addWidget(fighterChooserPanel, 0, 0, 2, 1);
    trainingInfoLayout->addWidget(fighterDetailsPanel, 2, 0);
    trainingInfoLayout->addWidget(trainingLogPanel, 0, 1, 3, 1);
    // Down beside the details too: the plans' 550 pixels and the details'
    // 100 in one column would not fit below the menu bar.
    trainingInfoLayout->addWidget(planPanel, 0, 2, 3, 1, Qt::AlignTop);
    // The spare height goes to the chooser and the log, not to the menu bar.
    trainingInfoLayout->setRowStretch(1, 1);
    trainingInfoPage->hide();

    buildGymInfoScreen();
    mainLayout->addWidget(gymInfoPage);
    setLayout(mainLayout);
}

Module_Training::~Module_Training() = default;

QString Module_Training::equipmentLabelText(int equipment, int level)
{
    const Equipment &row = equipmentTable[equipment];
    return QLatin1String(row.name) + QStringLiteral(" - Level ") + QString::number(level) + QLatin1Char('\n')
        + QLatin1String(row.improves);
}

QString Module_Training::planToolTip(int plan)
{
    if (plan == TrainingType::Rest)
        return QLatin1String(restToolTip);
    const Equipment &row = equipmentOfPlan(plan);
    return QLatin1String(row.name) + QStringLiteral(" - ") + QLatin1String(row.improves);
}

QString Module_Training::upgradeQuestion(const QString &what, int price)
{
    return QStringLiteral("Are you sure you want to upgrade ") + what + QStringLiteral("? It will cost $")
        + NumberText::grouped(price) + QStringLiteral(". ");
}

int Module_Training::shownPlan(int storedType)
{
    // The daily training rests on any type it does not know.
    const bool known = storedType >= TrainingType::Rest && storedType < TrainingType::Count;
    return known ? storedType : int(TrainingType::Rest);
}

// The gym info page.

void Module_Training::buildGymInfoScreen()
{
    createGymInfoScreenWidgets();
    createTrainingIconLabels();

    gymDetailsLayout->addWidget(gymNameLabel, 0, 0);
    gymDetailsLayout->addWidget(gymNameEdit, 0, 1);
    gymDetailsLayout->addWidget(gymStyleLabel, 1, 0);
    gymDetailsLayout->addWidget(gymStyleEdit, 1, 1);
    gymDetailsLayout->addWidget(gymPrestigeLabel, 2, 0);
    gymDetailsLayout->addWidget(gymPrestigeEdit, 2, 1);
    gymDetailsLayout->addWidget(moneyLabel, 3, 0);
    gymDetailsLayout->addWidget(moneyEdit, 3, 1);
    gymDetailsLayout->addWidget(gymLevelLabel, 4, 0);
    gymDetailsLayout->addWidget(upgradeGymButton, 4, 1);
    gymDetailsLayout->addWidget(studentSlotsLabel, 5, 0, 1, 2);
    gymDetailsLayout->addWidget(fighterSlotsLabel, 6, 0, 1, 2);
    gymDetailsLayout->addWidget(gymColoursLabel, 7, 0, 5, 2);
    gymDetailsLayout->addWidget(currentFightersLabel, 12, 0, 1, 2);
    gymDetailsLayout->addWidget(rosterList, 13, 0, 2, 2);
    gymDetailsLayout->addWidget(toTrainingPlansButton, 15, 0, 1, 2);

    // Three columns of seven blocks: icon and label above the button.
    for (int k = 0; k < Gym::EquipmentCount; ++k) {
        const int row = 3 * (k % 7);
        const int column = 3 * (k / 7);
        equipmentLayout->addWidget(equipmentIcons[k], row, column, 2, 1);
        equipmentLayout->addWidget(equipmentLabels[k], row, column + 1, 2, 2);
        equipmentLayout->addWidget(equipmentButtons[k], row + 2, column, 1, 3);
    }

    connect(equipmentGroup, &QButtonGroup::idClicked, this, &Module_Training::upgradeSelectedEquipment);
    connect(upgradeGymButton, &QPushButton::clicked, this, &Module_Training::upgradeGym);
    connect(toTrainingPlansButton, &QPushButton::clicked, this, &Module_Training::switchToTrainingInfoScreen);
}

void Module_Training::createGymInfoScreenWidgets()
{
    QStringList texts;
    QVector<int> figures, monthFigures;
    World::Instance().getGymData(texts, figures, monthFigures);
    QStringList names;
    World::Instance().getRosterNames(names);

    QWidget *panel = gymDetailsPanel;
    gymNameLabel = named(new QLabel(QStringLiteral("Gym Name:"), panel), QStringLiteral("gym_name_label"));
    gymStyleLabel = named(new QLabel(QStringLiteral("Gym Style:"), panel), QStringLiteral("gym_style_label"));
    gymPrestigeLabel = named(new QLabel(QStringLiteral("Gym Prestige:"), panel), QStringLiteral("gym_prestige_label"));
    moneyLabel = named(new QLabel(QStringLiteral("Money:"), panel), QStringLiteral("money_label"));
    gymNameEdit = readOnlyEdit(QString(), QStringLiteral("gym_name_edit"), panel);
    NameFields::show(gymNameEdit, texts.value(Gym::NameText));
    gymStyleEdit = readOnlyEdit(texts.value(Gym::StyleText), QStringLiteral("gym_style_edit"), panel);
    gymPrestigeEdit = readOnlyEdit(texts.value(Gym::PrestigeText), QStringLiteral("gym_prestige_edit"), panel);
    moneyEdit = readOnlyEdit(QString(), QStringLiteral("money_edit"), panel);
    gymLevelLabel = named(new QLabel(panel), QStringLiteral("gym_level_label"));
    upgradeGymButton = named(new QPushButton(QStringLiteral("Upgrade Gym"), panel), QStringLiteral("upgrade_gym_button"));
    studentSlotsLabel = named(new QLabel(panel), QStringLiteral("student_slots_label"));
    fighterSlotsLabel = named(new QLabel(panel), QStringLiteral("fighter_slots_label"));
    refreshGymFigures(figures);

    gymColoursLabel = named(new QLabel(panel), QStringLiteral("gym_colours_label"));
    drawGymColours(texts);
    currentFightersLabel = named(new QLabel(QStringLiteral("Current Fighters:"), panel),
                                 QStringLiteral("current_fighters_label"));
    rosterList = named(new QListWidget(panel), QStringLiteral("roster_list"));
    // Its lines are the fighters' names.
    WrappedLines::apply(rosterList);
    rosterList->addItems(names);
    toTrainingPlansButton = named(new QPushButton(QStringLiteral("To Training Plans"), panel),
                                  QStringLiteral("to_training_plans_button"));

    equipmentGroup = named(new QButtonGroup(equipmentPanel), QStringLiteral("equipment_group"));
    for (int k = 0; k < Gym::EquipmentCount; ++k) {
        const QString number = QString::number(k);
        const int level = figures.value(Gym::FirstEquipmentIndex + k);
        equipmentLabels[k] = named(new QLabel(equipmentLabelText(k, level), equipmentPanel),
                                   QStringLiteral("equipment_label_") + number);
        equipmentLabels[k]->setWordWrap(true);
        equipmentIcons[k] = named(new QLabel(equipmentPanel), QStringLiteral("equipment_icon_") + number);
        equipmentButtons[k] = named(new QPushButton(QLatin1String(equipmentTable[k].buttonText), equipmentPanel),
                                    QStringLiteral("equipment_button_") + number);
        equipmentGroup->addButton(equipmentButtons[k], k);
    }
}

void Module_Training::createTrainingIconLabels()
{
    for (int k = 0; k < Gym::EquipmentCount; ++k) {
        equipmentIcons[k]->setPixmap(QPixmap(ResourcePaths::trainingIcon(TrainingType::HeavyBag + k)));
        equipmentIcons[k]->setScaledContents(true);
        // Small enough to leave the text column its three lines.
        equipmentIcons[k]->setFixedSize(EquipmentIconSide, EquipmentIconSide);
    }
}

void Module_Training::drawGymColours(const QStringList &gymTexts)
{
    gymColoursLabel->setPixmap(
        FighterPortrait::gymColours(gymTexts.value(Gym::PrimaryColourText), gymTexts.value(Gym::SecondaryColourText)));
    gymColoursLabel->setScaledContents(true);
    gymColoursLabel->setFixedHeight(250);
}

void Module_Training::refreshGymFigures(const QVector<int> &figures)
{
    moneyEdit->setText(QString::number(figures.value(Gym::MoneyIndex)));
    gymLevelLabel->setText(gymLevelText(figures.value(Gym::LevelIndex)));
    studentSlotsLabel->setText(studentSlotsText(figures.value(Gym::StudentSlotsIndex)));
    fighterSlotsLabel->setText(fighterSlotsText(figures.value(Gym::FighterSlotsIndex)));
}

void Module_Training::refreshGymInfo(const QVector<int> &figures)
{
    refreshGymFigures(figures);
    for (int k = 0; k < Gym::EquipmentCount; ++k)
        equipmentLabels[k]->setText(equipmentLabelText(k, figures.value(Gym::FirstEquipmentIndex + k)));
}

void Module_Training::clearGymInfoScreen()
{
    pageWidgets.clearLater();
}

bool Module_Training::buyLevel(int currentLevel, const QString &what, int price, const std::function<bool()> &buy)
{
    // A level outside 0 to 9 (only an edited save holds one below 0) has no
    // price to ask for.
    if (!isUpgradableLevel(currentLevel)) {
        messageDialog->tell(QStringLiteral("Already at max level."), DialogButton::Cancel);
        return false;
    }
    if (!messageDialog->ask(upgradeQuestion(what, price)))
        return false;
    if (!buy()) {
        messageDialog->tell(QStringLiteral("Could not upgrade. Be sure that you have enough money."),
                            DialogButton::Accept);
        return false;
    }
    messageDialog->tell(QStringLiteral("Successfully upgraded."), DialogButton::Accept);
    return true;
}

void Module_Training::upgradeSelectedEquipment(int equipment)
{
    if (equipment < 0 || equipment >= Gym::EquipmentCount)
        return;
    const int level = gymFigures().value(Gym::FirstEquipmentIndex + equipment);
    const bool bought = buyLevel(level, QStringLiteral("this equipment"), Gym::equipmentPrice(level),
                                 [equipment] { return World::Instance().upgradeEquipment(equipment); });
    if (bought)
        refreshGymInfo(gymFigures());
}

void Module_Training::upgradeGym()
{
    const int level = gymFigures().value(Gym::LevelIndex);
    const bool bought = buyLevel(level, QStringLiteral("your gym"), Gym::levelPrice(level),
                                 [] { return World::Instance().upgradeGym(); });
    if (bought)
        refreshGymFigures(gymFigures());
}

void Module_Training::switchToTrainingInfoScreen()
{
    gymInfoPage->hide();
    mainLayout->removeWidget(gymInfoPage);
    clearGymInfoScreen();
    buildTrainingInfoScreen();
    mainLayout->addWidget(trainingInfoPage);
    trainingInfoPage->show();
}

void Module_Training::switchToGymInfoScreen()
{
    trainingInfoPage->hide();
    mainLayout->removeWidget(trainingInfoPage);
    clearTrainingInfoScreen();
    buildGymInfoScreen();
    mainLayout->addWidget(gymInfoPage);
    gymInfoPage->show();
}

// The training plans page.

void Module_Training::buildTrainingInfoScreen()
{
    createTrainingInfoScreenWidgets();
    createTrainingPlanButtons();
    switchFighterShown(0);

    const std::array<std::pair<QLabel *, QLineEdit *>, 4> details = {{{fighterNameLabel, fighterNameEdit},
                                                                      {fightingStyleLabel, fightingStyleEdit},
                                                                      {learningSpeedLabel, learningSpeedEdit},
                                                                      {fatigueLevelLabel, fatigueLevelEdit}}};
    for (int row = 0; row < int(details.size()); ++row) {
        fighterDetailsLayout->addWidget(details[row].first, row, 0);
        fighterDetailsLayout->addWidget(details[row].second, row, 1, 1, 2);
    }

    fighterChooserLayout->addWidget(fighterCombo, 0, 0, 1, 3);
    // The portrait keeps its picture's shape: the spare room goes round it.
    fighterChooserLayout->setColumnStretch(0, 1);
    fighterChooserLayout->setColumnStretch(2, 1);
    fighterChooserLayout->setRowStretch(7, 1);

    trainingLogLayout->addWidget(trainingLogLabel);
    trainingLogLayout->addWidget(trainingLogText);
    trainingLogLayout->addWidget(backToGymInfoButton);

    // Rest across the top, then three columns of seven plans.
    planLayout->addWidget(todaysPlanLabel, 0, 0, 1, 3);
    planLayout->addWidget(planButtons[TrainingType::Rest], 1, 0, 1, 3);
    for (int plan = TrainingType::HeavyBag; plan < PlanCount; ++plan)
        planLayout->addWidget(planButtons[plan], 2 + (plan - 1) % 7, (plan - 1) / 7);

    // idClicked comes before buttonClicked: the plan is stored first.
    connect(planGroup, &QButtonGroup::idClicked, this, &Module_Training::changeTrainingPlan);
    connect(planGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &Module_Training::setButtonDown);
    connect(fighterCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Module_Training::switchFighterShown);
    connect(backToGymInfoButton, &QPushButton::clicked, this, &Module_Training::switchToGymInfoScreen);
}

void Module_Training::createTrainingInfoScreenWidgets()
{
    QStringList names;
    World::Instance().getRosterNames(names);
    fighterCombo = named(new QComboBox(fighterChooserPanel), QStringLiteral("fighter_combo"));
    NameFields::keepNarrow(fighterCombo);
    fighterCombo->addItems(names);
    fighterCombo->setCurrentIndex(0);
    portraitLabel = named(new QLabel(fighterChooserPanel), QStringLiteral("portrait_label"));

    QWidget *details = fighterDetailsPanel;
    fighterNameLabel = named(new QLabel(QStringLiteral("Fighter Name:"), details), QStringLiteral("fighter_name_label"));
    fightingStyleLabel = named(new QLabel(QStringLiteral("Fighting Style:"), details),
                               QStringLiteral("fighting_style_label"));
    learningSpeedLabel = named(new QLabel(QStringLiteral("Learning Speed:"), details),
                               QStringLiteral("learning_speed_label"));
    fatigueLevelLabel = named(new QLabel(QStringLiteral("Fatigue Level:"), details),
                              QStringLiteral("fatigue_level_label"));
    fighterNameEdit = readOnlyEdit(QString(), QStringLiteral("fighter_name_edit"), details);
    fightingStyleEdit = readOnlyEdit(QString(), QStringLiteral("fighting_style_edit"), details);
    learningSpeedEdit = readOnlyEdit(QString(), QStringLiteral("learning_speed_edit"), details);
    fatigueLevelEdit = readOnlyEdit(QString(), QStringLiteral("fatigue_level_edit"), details);

    trainingLogLabel = named(new QLabel(QStringLiteral("Training This Month:"), trainingLogPanel),
                             QStringLiteral("training_log_label"));
    trainingLogText = named(new QTextEdit(trainingLogPanel), QStringLiteral("training_log_text"));
    trainingLogText->setReadOnly(true);
    backToGymInfoButton = named(new QPushButton(QStringLiteral("Back to Gym Info"), trainingLogPanel),
                                QStringLiteral("back_to_gym_info_button"));

    planGroup = named(new QButtonGroup(planPanel), QStringLiteral("plan_group"));
    todaysPlanLabel = named(new QLabel(QStringLiteral("Today's Training Plan:"), planPanel),
                            QStringLiteral("todays_plan_label"));
    for (int plan = 0; plan < PlanCount; ++plan) {
        planButtons[plan] = named(new QPushButton(planPanel), QStringLiteral("plan_button_") + QString::number(plan));
        planButtons[plan]->setToolTip(planToolTip(plan));
        // A button loses its down look with the focus; these never take it,
        // so the chosen plan stays shown pressed.
        planButtons[plan]->setFocusPolicy(Qt::NoFocus);
        planGroup->addButton(planButtons[plan], plan);
    }
}

void Module_Training::createTrainingPlanButtons()
{
    for (int plan = 0; plan < PlanCount; ++plan) {
        planButtons[plan]->setIcon(QIcon(ResourcePaths::trainingIcon(plan)));
        planButtons[plan]->setIconSize(QSize(50, 50));
    }
}

void Module_Training::switchFighterShown(int position)
{
    const World &world = World::Instance();
    QStringList texts, log;
    QVector<int> state, progress;
    world.getFighterStrings(texts, position);
    world.getTrainingData(state, progress, log, position);
    shownFighterId = world.getFighterId(position);

    setButtonDown(planButtons[shownPlan(progress.value(GymFighter::ProgressCount - 1))]);
    NameFields::show(fighterNameEdit,
                     texts.value(Fighter::FirstNameText) + QLatin1Char(' ') + texts.value(Fighter::LastNameText));
    // The fighting background, not the fight style.
    fightingStyleEdit->setText(texts.value(Fighter::BackgroundText));
    learningSpeedEdit->setText(world.getLearningSpeedLabel(state.value(GymFighter::LearningSpeedIndex)));
    fatigueLevelEdit->setText(world.getFatigueLabel(state.value(GymFighter::FatigueLevelIndex)));
    trainingLogText->clear();
    for (const QString &line : qAsConst(log))
        PlainText::append(trainingLogText, line);
    drawPortrait();
}

void Module_Training::changeTrainingPlan(int plan)
{
    World::Instance().setTrainingPlan(shownFighterId, TrainingType::Type(plan));
}

void Module_Training::setButtonDown(QAbstractButton *button)
{
    for (QPushButton *planButton : planButtons)
        planButton->setDown(false);
    button->setDown(true);
}

void Module_Training::drawPortrait()
{
    // By position: the world reads an index from 10 on as a fighter id.
    const int position = fighterCombo->currentIndex();
    FighterAppearance appearance;
    if (position >= 0 && position < fighterCombo->count()) {
        QStringList texts;
        QVector<int> numbers;
        World::Instance().getFighterStrings(texts, position);
        World::Instance().getFighterAttributes(numbers, position);
        appearance = FighterAppearance::fromParts(
            texts.mid(Fighter::ShortsColourText, 3), numbers.value(Fighter::BodyImageIndex),
            numbers.value(Fighter::HeadImageIndex), numbers.value(Fighter::FaceImageIndex));
    }
    FighterPortrait::place(portraitLabel, fighterChooserLayout, 1, 1, 6, 1, FighterPortrait::portrait(appearance));
}

void Module_Training::clearTrainingInfoScreen()
{
    pageWidgets.clearLater();
}
