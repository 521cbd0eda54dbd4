#ifndef TRAININGSKILLS_H
#define TRAININGSKILLS_H

#include <QString>
#include <QVector>

// The 48 skills as the daily training knows them: the name its news lines
// print (which differs in places from the rating names of SkillTable, e.g.
// "Body Punch") and the attributes a level-up raises and a level-down
// lowers. Skills are numbered like the training counters (SkillTable
// order). Two sets differ from the fight-result sets of GymFighter
// (Footwork and Adaptability): the gym trains them more narrowly.
class TrainingSkills
{
public:
    static QString name(int skill);
    // Attribute numbers k (0 to 82); empty for a number outside 0 to 47.
    static QVector<int> attributeSet(int skill);
};

#endif // TRAININGSKILLS_H
