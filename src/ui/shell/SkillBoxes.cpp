#include "SkillBoxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QWidget>

namespace {

// Which box each skill sits in and on which row of its grid.
struct SkillSlot
{
    int box;
    int row;
    const char *label;
};

const SkillSlot skillSlots[SkillBoxes::skillCount] = {
    {0, 1, "Punch"}, {0, 2, "Kick"}, {0, 3, "Clinch Off."},
    {0, 5, "Movement"}, {0, 6, "Guard"}, {0, 7, "Clinch Def."},
    {1, 1, "Power"}, {1, 2, "Speed"}, {1, 3, "Conditioning"},
    {1, 5, "Timing"}, {1, 6, "Intelligence"}, {1, 7, "Discipline"},
    {2, 1, "Scouting"}, {2, 2, "Motivating"}, {2, 3, "Cornering"},
    {2, 5, "Negotiating"}, {2, 6, "Charisma"}, {2, 7, "Intuition"},
};

const int boxCount = 3;

// Each box's titles on rows 0 and 4; the abilities box has no second one.
const char *const sectionTitles[boxCount][2] = {
    {"Training - Offense", "Training - Defense"},
    {"Training - Physical", "Training - Mental"},
    {"Abilities", ""},
};

} // namespace

QString SkillBoxes::skillLabel(int skill)
{
    return QString::fromLatin1(skillSlots[qBound(0, skill, skillCount - 1)].label);
}

QString SkillBoxes::pointsText(int points)
{
    return QStringLiteral("Skill Points: ") + QString::number(points);
}

QVector<QSpinBox *> SkillBoxes::makeSpins()
{
    QVector<QSpinBox *> spins;
    for (const SkillSlot &slot : skillSlots) {
        auto *spin = new QSpinBox;
        spin->setObjectName(QStringLiteral("skill_") + QString::fromLatin1(slot.label));
        spins.append(spin);
    }
    return spins;
}

QVector<QWidget *> SkillBoxes::makeBoxes(const QVector<QSpinBox *> &spins)
{
    QVector<QWidget *> boxes;
    QVector<QGridLayout *> grids;
    for (int box = 0; box < boxCount; ++box) {
        auto *skillBox = new QWidget;
        auto *grid = new QGridLayout;
        grid->setSpacing(0);
        grid->addWidget(new QLabel(QString::fromLatin1(sectionTitles[box][0])), 0, 0, 1, 2);
        grid->addWidget(new QLabel(QString::fromLatin1(sectionTitles[box][1])), 4, 0, 1, 2);
        skillBox->setLayout(grid);
        skillBox->setFixedSize(200, 250);
        boxes.append(skillBox);
        grids.append(grid);
    }
    for (int skill = 0; skill < skillCount && skill < spins.size(); ++skill) {
        const SkillSlot &slot = skillSlots[skill];
        grids.at(slot.box)->addWidget(new QLabel(QString::fromLatin1(slot.label)), slot.row, 0);
        grids.at(slot.box)->addWidget(spins.at(skill), slot.row, 1);
    }
    return boxes;
}
