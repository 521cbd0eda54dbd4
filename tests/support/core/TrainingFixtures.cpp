#include "TrainingFixtures.h"

#include "FighterFields.h"
#include "records/GymFighter.h"

namespace TrainingFixtures {

GymFighter trainee(int type, int learningSpeed, int fatiguePoints, const QMap<int, int> &counters,
                   int attribute)
{
    GymFighter fighter;
    FighterFields::fill(fighter, attribute);
    QVector<int> progress(GymFighter::ProgressCount, 0);
    for (auto it = counters.constBegin(); it != counters.constEnd(); ++it)
        progress[it.key()] = it.value();
    progress.last() = type;
    fighter.setTrainingData({learningSpeed, 0, 0, GymFighter::fatigueLevelFor(fatiguePoints),
                             fatiguePoints, 0, 0},
                            progress, QStringList());
    return fighter;
}

QVector<int> stateOf(const GymFighter &fighter)
{
    QVector<int> out;
    fighter.getTrainingState(out);
    return out;
}

QVector<int> progressOf(const GymFighter &fighter)
{
    QVector<int> out;
    fighter.getTrainingProgress(out);
    return out;
}

QStringList logOf(const GymFighter &fighter)
{
    QStringList out;
    fighter.getTrainingLog(out);
    return out;
}

QVector<int> managerStats(int skill)
{
    QVector<int> stats(23, 0);
    for (int area = 1; area <= 12; ++area)
        stats[area] = skill;
    return stats;
}

QVector<int> gymStats(int money, int level)
{
    QVector<int> stats(26, level);
    stats[0] = 0;
    stats[1] = money;
    stats[2] = 1;
    stats[3] = 2;
    stats[4] = 2;
    return stats;
}

} // namespace TrainingFixtures
