#include "StatisticsBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "ui/shell/VisitWidgets.h"

namespace {

// Positions in the engine's statistics: pairs (landed, thrown) from 6 on,
// knockdowns scored at 42.
struct StatisticsRow
{
    const char *label;
    const char *field;
    QVector<int> landed;
    // Empty: the row shows its landed count alone.
    QVector<int> thrown;
};

const StatisticsRow &rowAt(int row)
{
    static const StatisticsRow rows[StatisticsBox::rowCount] = {
        {"Jabs", "stat_jabs", {6}, {7}},
        // Body punches count as hooks, dirty boxing as uppercuts.
        {"Hooks", "stat_hooks", {8, 28}, {9, 29}},
        {"Crosses", "stat_crosses", {10}, {11}},
        {"Uppercuts", "stat_uppercuts", {12, 26}, {13, 27}},
        {"Elbows", "stat_elbows", {24}, {25}},
        {"Low Kicks", "stat_low_kicks", {14}, {15}},
        {"Mid Kicks", "stat_mid_kicks", {16}, {17}},
        {"High Kicks", "stat_high_kicks", {18}, {19}},
        {"Front Kicks", "stat_front_kicks", {20}, {21}},
        {"Knees", "stat_knees", {22}, {23}},
        {"Blocks", "stat_blocks", {30, 32}, {31, 33}},
        {"Dodges", "stat_dodges", {34, 36}, {35, 37}},
        {"Counters", "stat_counters", {38, 40}, {39, 41}},
        {"Knockdowns", "stat_knockdowns", {42}, {}},
    };
    return rows[qBound(0, row, StatisticsBox::rowCount - 1)];
}

int sumAt(const QVector<int> &statistics, const QVector<int> &positions)
{
    int sum = 0;
    for (int position : positions)
        sum += statistics.value(position);
    return sum;
}

} // namespace

QString StatisticsBox::title()
{
    return QStringLiteral("Fighter Statistics (Landed/Thrown)");
}

QString StatisticsBox::label(int row)
{
    return QString::fromLatin1(rowAt(row).label);
}

QString StatisticsBox::fieldName(int row)
{
    return QString::fromLatin1(rowAt(row).field);
}

QString StatisticsBox::rowText(const QVector<int> &statistics, int row)
{
    const StatisticsRow &entry = rowAt(row);
    const QString landed = QString::number(sumAt(statistics, entry.landed));
    if (entry.thrown.isEmpty())
        return landed;
    return landed + QLatin1Char('/') + QString::number(sumAt(statistics, entry.thrown));
}

void StatisticsBox::build(VisitWidgets &widgets, QWidget *box, const QVector<int> &statistics)
{
    auto *grid = qobject_cast<QGridLayout *>(box->layout());
    if (!grid) {
        grid = new QGridLayout;
        box->setLayout(grid);
    }
    grid->setSpacing(0);
    grid->addWidget(widgets.keep(new QLabel(title()), QStringLiteral("stat_title")), 0, 0, 1, 2);
    for (int row = 0; row < rowCount; ++row) {
        auto *field = widgets.keep(new QLineEdit(rowText(statistics, row)), fieldName(row));
        field->setReadOnly(true);
        grid->addWidget(widgets.make<QLabel>(label(row)), row + 1, 0);
        grid->addWidget(field, row + 1, 1);
    }
}
