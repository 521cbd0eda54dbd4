#include "RatingsGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include "records/Fighter.h"
#include "records/SkillTable.h"

namespace {

const int groupsPerHalf = SkillTable::GroupCount / 2;
const int rowsPerGroup = SkillTable::SkillsPerGroup + 1;
const int columnsPerHalf = 4;
const int captionColumns = 3;
// A rating has at most three digits; the captions need the rest of the
// fixed panel.
const int valueWidth = 40;

QString captionOf(int skill, const QMap<int, QString> &overrides)
{
    return overrides.value(skill, SkillTable::name(skill));
}

} // namespace

RatingsGrid::RatingsGrid(QWidget *panel, QGridLayout *grid, const ValueNamer &valueName,
                         const QMap<int, QString> &captionOverrides)
{
    grid->setSpacing(0);
    for (int column : {1, 2, 5, 6})
        grid->setColumnStretch(column, 1);
    panel->setFixedSize(PanelWidth, PanelHeight);

    for (int group = 0; group < SkillTable::GroupCount; ++group) {
        const int row = groupRow(group);
        const int column = groupColumn(group);
        QLabel *heading = new QLabel(SkillTable::groupHeading(group), panel);
        grid->addWidget(heading, row, column, 1, columnsPerHalf);
        titles.append(made.keep(heading));
        for (int k = 0; k < SkillTable::SkillsPerGroup; ++k) {
            const int skill = group * SkillTable::SkillsPerGroup + k;
            QLabel *label = new QLabel(captionOf(skill, captionOverrides), panel);
            QLineEdit *field = new QLineEdit(QStringLiteral("0"), panel);
            field->setReadOnly(true);
            field->setMaximumWidth(valueWidth);
            field->setObjectName(valueName(skill));
            grid->addWidget(label, row + 1 + k, column, 1, captionColumns);
            grid->addWidget(field, row + 1 + k, column + captionColumns);
            captions.append(made.keep(label));
            values.append(made.keep(field));
        }
    }
}

RatingsGrid::~RatingsGrid()
{
    made.clear();
}

void RatingsGrid::setValue(int skill, const QString &text)
{
    if (QLineEdit *field = value(skill))
        field->setText(text);
}

void RatingsGrid::showRatings(const Fighter &fighter)
{
    for (int skill = 0; skill < SkillTable::SkillCount; ++skill)
        setValue(skill, QString::number(fighter.getSkill(skill)));
}

QLineEdit *RatingsGrid::value(int skill) const
{
    return skill >= 0 && skill < values.size() ? values.at(skill).data() : nullptr;
}

QLabel *RatingsGrid::caption(int skill) const
{
    return skill >= 0 && skill < captions.size() ? captions.at(skill).data() : nullptr;
}

QLabel *RatingsGrid::title(int group) const
{
    return group >= 0 && group < titles.size() ? titles.at(group).data() : nullptr;
}

QString RatingsGrid::captionObjectName(const QString &caption)
{
    static const QRegularExpression notAlphanumeric(QStringLiteral("[^a-z0-9]+"));
    QString name = caption.toLower().replace(notAlphanumeric, QStringLiteral("_"));
    while (name.endsWith(QLatin1Char('_')))
        name.chop(1);
    while (name.startsWith(QLatin1Char('_')))
        name.remove(0, 1);
    return name + QStringLiteral("_value");
}

RatingsGrid::ValueNamer RatingsGrid::namedByCaption(const QMap<int, QString> &captionOverrides)
{
    return [captionOverrides](int skill) {
        return captionObjectName(captionOf(skill, captionOverrides));
    };
}

RatingsGrid::ValueNamer RatingsGrid::numbered(const QString &prefix)
{
    return [prefix](int skill) { return prefix + QString::number(skill); };
}

int RatingsGrid::groupRow(int group)
{
    return (group % groupsPerHalf) * rowsPerGroup;
}

int RatingsGrid::groupColumn(int group)
{
    return (group / groupsPerHalf) * columnsPerHalf;
}
