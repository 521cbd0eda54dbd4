#include "ReputationLadder.h"

const QStringList &ReputationLadder::labels()
{
    static const QStringList ladder{
        "Legendary", "World Class", "International Superstar", "Championship Caliber",
        "Contender", "Respectable Opponent", "Nationally Ranked", "Rising Star",
        "Local Fighter", "Unknown"
    };
    return ladder;
}

QString ReputationLadder::label(Rank rank)
{
    return labels().value(rank);
}
