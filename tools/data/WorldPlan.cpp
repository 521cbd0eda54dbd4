#include "WorldPlan.h"

#include "records/ReputationLadder.h"

namespace WorldPlan {

QDate firstEventDay()
{
    // The cards start empty on 1 January, in the first year and again after
    // each turn of the year, and are filled by the daily booking pass; the
    // first event leaves it a full week (its last-week filling) so that no
    // card is fought half booked.
    return QDate(Year, 1, 8);
}

QDate lastEventDay()
{
    return QDate(Year, 12, 31);
}

const Pool &freeAgents()
{
    static const Pool pool = {"FreeAgent", 4, 59, 18, 40,
                              ReputationLadder::WorldClass, ReputationLadder::Unknown};
    return pool;
}

const Pool &amateurs()
{
    static const Pool pool = {"Amateur", 6, 40, 14, 17,
                              ReputationLadder::Unknown, ReputationLadder::Unknown};
    return pool;
}

StandingBand standingBandOf(int rank)
{
    // A label's roll lands between 50 below and 70 above the standing, so
    // each band keeps 100 clear of its edges (and of the unlabelled stretch
    // from 10501 to 12000).
    static const StandingBand bands[] = {
        {150, 1400},     // World Class (51 to 1500)
        {1600, 2900},    // International Superstar
        {3100, 4400},    // Championship Caliber
        {4600, 5900},    // Contender
        {6100, 7400},    // Respectable Opponent
        {7600, 8900},    // Nationally Ranked
        {9100, 10400},   // Rising Star
        {12100, 13400},  // Local Fighter
        {13600, 14900},  // Unknown
    };
    const int first = ReputationLadder::WorldClass;
    const int count = int(sizeof(bands) / sizeof(bands[0]));
    const int index = qBound(0, rank - first, count - 1);
    return bands[index];
}

} // namespace WorldPlan
