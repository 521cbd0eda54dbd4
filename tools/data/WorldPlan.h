#ifndef WORLDPLAN_H
#define WORLDPLAN_H

#include <QDate>
#include <QString>
#include <QVector>

// The numbers that shape the default world besides the organizations: its
// year, the fighters' ages, the two pools and where each reputation's
// standings lie.
namespace WorldPlan {

// A new game starts on 1 January of this year; its events are all later in
// the same year.
const int Year = 2011;
QDate firstEventDay();
QDate lastEventDay();

// Ages of the organizations' fighters.
const int YoungestSigned = 19;
const int OldestSigned = 38;

struct Pool
{
    QString prefix;   // default_list_<prefix><n>.dat
    int files;
    int fightersPerFile;
    int youngest;
    int oldest;
    int bestReputation;  // ReputationLadder ranks the pool spans
    int worstReputation;
};
const Pool &freeAgents();
const Pool &amateurs();

// The standings a reputation label is given for, far enough inside its
// band that a roll of the label from the standing always gives it again.
struct StandingBand
{
    int low;
    int high;
};
// The band of a ReputationLadder rank from "World Class" to "Unknown".
StandingBand standingBandOf(int rank);

} // namespace WorldPlan

#endif // WORLDPLAN_H
