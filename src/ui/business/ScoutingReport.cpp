#include "ScoutingReport.h"

#include "records/Fighter.h"

namespace {

// Bounds by the number of elements added: ten and twenty times the count,
// less one for the high bound.
const QVector<ScoutingReport::Area> &areaTable()
{
    static const QVector<ScoutingReport::Area> table{
        {1, {56, 57, 58, 59}, 40, 79, "He might have trouble fighting for long periods of time.",
         "He appears to have no issues with his gas tank."},
        {1, {62, 64, 66}, 30, 59, "He's too slow.", "He moves pretty well."},
        {2, {69, 70}, 20, 39, "He hits like a girl.", "He's got some power."},
        {2, {65, 67, 68}, 30, 59, "His overall agility has some serious issues.", "He's pretty quick."},
        {3, {61, 73, 74}, 30, 59, "Clumsy and awkward. Needs some work.", "His body control is quite good."},
        {3, {63, 71}, 20, 39, "His reaction time is terrible.", "He has decent reflexes."},
        {4, {6, 9, 12, 15}, 40, 79, "He has weak punches.", "He punches hard enough."},
        {4, {18, 21, 24, 27}, 40, 79, "Can't kick worth a damn.", "He kicks like a mule."},
        {4, {30, 33, 36, 39}, 40, 79, "He can't do much in the clinch.", "His clinch attacks are powerful."},
        {5, {4, 5, 7, 8, 10, 11, 13, 14}, 80, 159, "He won't be able to hit anything with his fists.",
         "Accurate and technically sound punching."},
        {5, {16, 17, 19, 20, 22, 23, 25, 26}, 80, 159, "His kicks are all over the place.",
         "His kicking technique is okay."},
        {5, {28, 29, 31, 32, 34, 35, 37, 38}, 80, 159, "Clinch techniques need work.",
         "Might be a good fighter in the clinch."},
        {6, {40, 42}, 20, 39, "He can't really dodge too well.", "Good at getting out of the way."},
        {6, {44, 46, 48, 50}, 40, 79, "Has a hard time reacting to attacks.", "Protects himself well."},
        {7, {52, 54}, 20, 39, "Clinch defense needs work.", "Handles himself well in the clinch."},
        {7, {41, 43}, 20, 39, "Struggles to avoid attacks.", "Avoids attacks quite well."},
        {8, {45, 47, 49, 51}, 40, 79, "Sloppy defending is a concern.", "He has tight and efficient defense."},
        {8, {53, 55}, 20, 39, "His clinch defense lacks polish.", "He is clearly comfortable in the clinch."},
        {9, {75, 76}, 20, 39, "Severe lack of awareness.", "Shows good awareness."},
        {9, {79, 83}, 20, 39, "Makes poor attack decisions.", "Good timing and placement on his attacks."},
        {9, {80, 81}, 20, 39, "A bit laid back in his approach.", "Shows a lot of aggression."},
        {10, {84, 86}, 20, 39, "He wears his emotions on his sleeve.", "Calm, cool and collected."},
        {10, {60, 77}, 20, 39, "A bit fragile.", "Tough as nails."},
        {10, {78, 82, 85}, 30, 59, "Tends to let others dictate the action.", "Good at imposing his will."},
    };
    return table;
}

} // namespace

QString ScoutingReport::nothingToTell()
{
    return QStringLiteral("Can't really tell anything about this student.");
}

const QVector<ScoutingReport::Area> &ScoutingReport::areas()
{
    return areaTable();
}

int ScoutingReport::groupsJudged(int intuition)
{
    // Group 1 is always judged; the last group only at full Intuition.
    if (intuition <= 1)
        return 1;
    if (intuition < LastGroup)
        return intuition;
    return intuition == LastGroup ? LastGroup : LastGroup - 1;
}

QString ScoutingReport::judge(const Area &area, const QVector<int> &attributes)
{
    int sum = 0;
    for (int element : area.elements)
        sum += attributes.value(element);
    if (sum <= area.lowBound)
        return QString::fromLatin1(area.lowLine);
    if (sum > area.highBound)
        return QString::fromLatin1(area.highLine);
    return QString();
}

QStringList ScoutingReport::lines(const QVector<int> &attributes, int intuition, const QString &firstName)
{
    if (intuition == 0 || firstName == QLatin1String(Fighter::NobodyText))
        return {nothingToTell()};
    const int lastGroup = groupsJudged(intuition);
    QStringList report;
    for (const Area &area : areaTable()) {
        if (area.group > lastGroup)
            break;
        const QString line = judge(area, attributes);
        if (!line.isEmpty())
            report << line;
    }
    return report;
}
