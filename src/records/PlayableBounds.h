#ifndef PLAYABLEBOUNDS_H
#define PLAYABLEBOUNDS_H

#include <QVector>

// Saved games and export files travel between players and can be edited by
// hand. Their readers bring every number that feeds the game's arithmetic
// into the range play keeps it in, widened generously, so that no sum or
// product of the game overflows. Every value play can produce lies inside
// these ranges and reads unchanged: a sound file loads and saves back byte
// for byte. Each function takes a record's numbers as its reader unpacked
// them; positions past the end of a short vector are left to the record.
namespace PlayableBounds {

// The 95 whole numbers of a Fighter.
void boundFighter(QVector<int> &ints);
// The training state and progress of one of the player's fighters.
void boundTrainingState(QVector<int> &state, QVector<int> &progress);
void boundGym(QVector<int> &numbers, QVector<int> &monthFigures);
void boundManager(QVector<int> &numbers);
int boundLastFighterId(int id);
// A standing a pool files a fighter under.
int boundStanding(int standing);

} // namespace PlayableBounds

#endif // PLAYABLEBOUNDS_H
