#ifndef SCOUTINGREPORT_H
#define SCOUTINGREPORT_H

#include <QString>
#include <QStringList>
#include <QVector>

// What the manager can tell about a student from watching him: 24 areas in
// ten groups, each a sum of attributes judged against two bounds. The
// manager's Intuition decides how many groups he judges.
class ScoutingReport
{
public:
    struct Area
    {
        int group;                 // 1 to 10
        QVector<int> elements;     // indices in the attribute vector
        int lowBound;              // a sum at or below it is low
        int highBound;             // a sum above it is high
        const char *lowLine;
        const char *highLine;
    };

    static const int AreaCount = 24;
    static const int LastGroup = 10;

    // The single line when nothing can be told.
    static QString nothingToTell();
    static const QVector<Area> &areas();
    // How many groups an Intuition judges (groups 1 to the result).
    static int groupsJudged(int intuition);
    // The report's lines, in area order, at most one per area. Intuition 0,
    // or "N/A" as the first name (no student), tells nothing.
    static QStringList lines(const QVector<int> &attributes, int intuition, const QString &firstName);
    // The line one area adds for these attributes; empty for a middling sum.
    static QString judge(const Area &area, const QVector<int> &attributes);
};

#endif // SCOUTINGREPORT_H
