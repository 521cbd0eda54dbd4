#ifndef STATE_ATK_ELBOW_H
#define STATE_ATK_ELBOW_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing an elbow strike in the clinch.
class State_Atk_Elbow : public StrikeState
{
public:
    explicit State_Atk_Elbow(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::Elbow)
    {
    }
};

#endif // STATE_ATK_ELBOW_H
