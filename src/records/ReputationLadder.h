#ifndef REPUTATIONLADDER_H
#define REPUTATIONLADDER_H

#include <QString>
#include <QStringList>

// The ten reputation labels of a fighter, best first. A fighter of the
// world gets his label from his standing, one of the player's fighters from
// his reputation points; both use these labels, and other code compares
// labels by their position on the ladder.
class ReputationLadder
{
public:
    enum Rank {
        Legendary = 0, WorldClass, InternationalSuperstar, ChampionshipCaliber,
        Contender, RespectableOpponent, NationallyRanked, RisingStar,
        LocalFighter, Unknown,
        RankCount
    };

    static QString label(Rank rank);
    // All ten labels in ladder order (position = Rank).
    static const QStringList &labels();
};

#endif // REPUTATIONLADDER_H
