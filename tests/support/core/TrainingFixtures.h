#ifndef TRAININGFIXTURES_H
#define TRAININGFIXTURES_H

#include <QDate>
#include <QMap>
#include <QStringList>
#include <QVector>

class Fighter;
class GymFighter;

// Training: player's fighters with a plan, read-outs of their training
// state, and the manager's and gym's numbers a training day reads.
namespace TrainingFixtures {

// "Ann Lee" (FighterFields), every attribute `attribute`, with the given
// plan, learning speed, fatigue points (and the level that goes with
// them) and training counters (skill -> value, the rest 0).
GymFighter trainee(int type, int learningSpeed = 0, int fatiguePoints = 0,
                   const QMap<int, int> &counters = QMap<int, int>(), int attribute = 50);
QVector<int> stateOf(const GymFighter &fighter);
// The 48 counters followed by the training type.
QVector<int> progressOf(const GymFighter &fighter);
QStringList logOf(const GymFighter &fighter);

// The manager's 23 numbers with every training area at `skill`.
QVector<int> managerStats(int skill);
// The gym's 26 numbers: the money and every equipment level at `level`.
QVector<int> gymStats(int money, int level);

} // namespace TrainingFixtures

#endif // TRAININGFIXTURES_H
