#ifndef TRAININGPLAN_H
#define TRAININGPLAN_H

#include <QStringList>
#include <QVector>

#include "records/GymFighter.h"

// One row of the training plans: what a day of a TrainingType uses (the
// gym's equipment and the manager's training area), the workout it runs
// with that workout's three skill lists, and the texts of the day. Row 0
// is the rest day; a day the gym cannot pay for has a row of its own.
struct TrainingPlan
{
    using Workout = void (GymFighter::*)(int managerSkill, int equipmentLevel, QStringList &lines);

    // The skill lists of a workout, in the order of their draws and lines.
    enum Group { MainSkills = 0, SideSkills, LostSkills, GroupCount };
    static const int MaxSkillsPerGroup = 3;
    // Money per equipment level for one day's training.
    static const int PricePerLevel = 50;

    Workout workout;     // null for a rest day
    int equipment;       // element of the gym's numbers holding the level; -1 for rest
    int managerArea;     // element of the manager's numbers; -1 for rest
    const char *dayText; // the training log's text
    const char *newsText; // follows the fighter's name in the news
    int skills[GroupCount][MaxSkillsPerGroup]; // -1 ends a shorter list

    bool isRest() const { return workout == nullptr; }
    QVector<int> group(Group which) const;

    // The plan of a training type; a type outside 0 to 21 rests.
    static const TrainingPlan &forType(int type);
    static const TrainingPlan &lackOfFunds();
};

#endif // TRAININGPLAN_H
