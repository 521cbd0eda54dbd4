#ifndef STATE_ATK_KNEE_H
#define STATE_ATK_KNEE_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a knee strike.
class State_Atk_Knee : public StrikeState
{
public:
    explicit State_Atk_Knee(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::Knee)
    {
    }
};

#endif // STATE_ATK_KNEE_H
