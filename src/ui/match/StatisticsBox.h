#ifndef STATISTICSBOX_H
#define STATISTICSBOX_H

#include <QString>
#include <QVector>

class QWidget;
class VisitWidgets;

// A fighter's bout statistics as the corner and the match summary show
// them: 14 rows of landed/thrown pairs, some rows summing two kinds of
// blow, and the knockdowns scored alone. The statistics are the engine's 44
// numbers of a fighter in the ring; a position the vector lacks reads 0.
class StatisticsBox
{
public:
    static const int rowCount = 14;

    static QString title();
    static QString label(int row);
    // The read-only field's object name, "stat_jabs" to "stat_knockdowns".
    static QString fieldName(int row);
    // "12/30", or for the knockdowns row the count alone.
    static QString rowText(const QVector<int> &statistics, int row);

    // Fills `box` with the title across both columns and, on rows 1 to 14,
    // each row's label and read-only field, spacing 0, all kept in the
    // page's `widgets`. The box gets a grid layout when it has none.
    static void build(VisitWidgets &widgets, QWidget *box, const QVector<int> &statistics);
};

#endif // STATISTICSBOX_H
