#include "Module_PostEvent.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

#include "StatisticsBox.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/SkillBoxes.h"
#include "ui/shell/SkillPointPool.h"
#include "world/World.h"

using ObjectNames::named;

namespace {

// Position of the first skill among the manager's numbers (0 is his
// reputation points).
const int firstSkillStat = 1;

} // namespace

Module_PostEvent::Module_PostEvent(QVector<int> statistics, int fighterId, const QString &resultText,
                                   QWidget *parent)
    : ScreenFrame(parent)
    , statistics(std::move(statistics))
    , fighterId(fighterId)
    , resultText(resultText)
    , screenLayout(new QVBoxLayout)
    // The page not shown is hidden and out of the layout, but stays ours.
    , summaryPage(named(new QWidget(this), QStringLiteral("summary_page")))
    , summaryLayout(new QGridLayout)
    , portraitBox(new QWidget)
    , portraitLayout(new QVBoxLayout)
    , statisticsBox(new QWidget)
    , proceedButton(named(new QPushButton, QStringLiteral("proceed_btn")))
    , levelUpPage(named(new QWidget(this), QStringLiteral("level_up_page")))
    , levelUpLayout(new QGridLayout)
{
    portraitBox->setLayout(portraitLayout);
    // The page owns its layout from the start: a screen that never levels
    // up would leave it behind.
    levelUpPage->setLayout(levelUpLayout);
    levelUpPage->hide();

    buildMatchSummary();
    connect(proceedButton, &QPushButton::clicked, this, [this] { (this->*proceedStage)(); });
    ModuleManager::Instance()->hideTopMenu();
    screenLayout->addWidget(summaryPage);
    setLayout(screenLayout);
}

Module_PostEvent::~Module_PostEvent() = default;

void Module_PostEvent::createMatchSummaryWidgets()
{
    summaryTitle = summaryWidgets.keep(new QLabel(QStringLiteral("Match Summary")), QStringLiteral("summary_title"));
    portraitLabel = summaryWidgets.keep(new QLabel, QStringLiteral("summary_portrait"));
    drawPortrait();

    // The one place the bout reaches the manager and the gym.
    leveledUp = World::Instance().applyMatchResult(statistics, fighterId, resultText);

    StatisticsBox::build(summaryWidgets, statisticsBox, statistics);
    proceedButton->setText(QStringLiteral("Proceed"));
}

void Module_PostEvent::drawPortrait()
{
    // The world reads small numbers as roster positions and leaves its
    // answers alone for an id nobody has: ask only for the player's fighters.
    appearance = FighterAppearance();
    QVector<int> rosterIds;
    World::Instance().getRosterIds(rosterIds);
    if (rosterIds.contains(fighterId)) {
        QStringList colours;
        int body = 0;
        int head = 0;
        int face = 0;
        World::Instance().getFighterPortrait(colours, body, head, face, fighterId);
        appearance = FighterAppearance::fromParts(colours, body, head, face);
    }
    portraitLabel->setPixmap(FighterPortrait::portrait(appearance));
    portraitLabel->setScaledContents(true);
    portraitLabel->setFixedSize(220, 352);
}

void Module_PostEvent::buildMatchSummary()
{
    createMatchSummaryWidgets();

    portraitLayout->setSpacing(0);
    portraitLayout->addWidget(summaryTitle, 0, Qt::AlignHCenter);
    portraitLayout->addWidget(portraitLabel, 0, Qt::AlignHCenter);

    summaryLayout->setRowStretch(0, 1);
    summaryLayout->setRowStretch(7, 1);
    summaryLayout->setColumnStretch(0, 1);
    summaryLayout->setColumnStretch(7, 1);
    summaryLayout->addWidget(portraitBox, 1, 1, 5, 2);
    summaryLayout->addWidget(statisticsBox, 1, 3, 5, 2);
    summaryLayout->addWidget(proceedButton, 6, 1, 1, 4);
    summaryPage->setLayout(summaryLayout);
}

void Module_PostEvent::checkManagerLevel()
{
    if (leveledUp)
        switchToLevelUp();
    else
        backToGame();
}

void Module_PostEvent::backToGame()
{
    // The replaced screen (this one) is deleted once the slot has returned.
    ModuleManager::Instance()->nextDay();
}

void Module_PostEvent::switchToLevelUp()
{
    summaryPage->hide();
    screenLayout->removeWidget(summaryPage);
    summaryWidgets.clear();
    proceedStage = &Module_PostEvent::completeLevelUp;
    buildLevelUp();
    screenLayout->addWidget(levelUpPage);
    levelUpPage->show();
}

void Module_PostEvent::createLevelUpWidgets()
{
    QVector<int> managerStats;
    World::Instance().getManagerStats(managerStats);

    levelUpTitleBox = new QWidget;
    auto *title = named(new QLabel(QStringLiteral("Reputation Level Up!")), QStringLiteral("level_up_title"));
    skillPoints = levelUpPoints;
    skillPointsLabel = named(new QLabel(SkillBoxes::pointsText(skillPoints)), QStringLiteral("level_up_skill_points"));
    auto *titleLayout = new QVBoxLayout;
    titleLayout->setSpacing(0);
    titleLayout->addWidget(title, 0, Qt::AlignHCenter);
    titleLayout->addWidget(skillPointsLabel, 0, Qt::AlignHCenter);
    levelUpTitleBox->setLayout(titleLayout);

    skillSpins = SkillBoxes::makeSpins();
    for (int skill = 0; skill < skillSpins.size(); ++skill)
        skillSpins.at(skill)->setValue(managerStats.value(firstSkillStat + skill));
}

void Module_PostEvent::buildLevelUp()
{
    createLevelUpWidgets();
    levelUpLayout->addWidget(levelUpTitleBox, 1, 1, 2, 3);

    // A skill can only rise: its current value becomes its minimum.
    for (QSpinBox *spin : qAsConst(skillSpins)) {
        spin->setMaximum(SkillPointPool::skillMaximum);
        spin->setMinimum(spin->value());
    }
    skillBoxes = SkillBoxes::makeBoxes(skillSpins);
    for (int box = 0; box < skillBoxes.size(); ++box)
        levelUpLayout->addWidget(skillBoxes.at(box), 3, box + 1, 3, 1);
    pointPool.reset(new SkillPointPool(levelUpPoints, skillSpins));
    // Connected only now, so that building runs no calculation.
    for (QSpinBox *spin : qAsConst(skillSpins))
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &Module_PostEvent::calculateSkill);

    levelUpLayout->setColumnStretch(0, 1);
    levelUpLayout->setColumnStretch(4, 1);
    levelUpLayout->setRowStretch(0, 1);
    levelUpLayout->setRowStretch(7, 1);
    summaryLayout->removeWidget(proceedButton);
    levelUpLayout->addWidget(proceedButton, 6, 2);
    proceedButton->show();
}

void Module_PostEvent::calculateSkill()
{
    skillPoints = pointPool->recalculate(qobject_cast<QSpinBox *>(sender()));
    skillPointsLabel->setText(SkillBoxes::pointsText(skillPoints));
}

void Module_PostEvent::completeLevelUp()
{
    // Built for this one answer and gone once it is read.
    GameDialog dialog(DialogStyle::AWide);
    if (skillPoints > 0) {
        dialog.cancelButton()->setText(QStringLiteral("Back"));
        dialog.tell(QStringLiteral("Please use all skill points before proceeding."), DialogButton::Cancel);
        return;
    }
    if (!dialog.ask(QStringLiteral("Are you sure you want to proceed?")))
        return;
    QVector<int> skills;
    for (const QSpinBox *spin : qAsConst(skillSpins))
        skills.append(spin->value());
    World::Instance().levelUpManager(skills);
    backToGame();
}
