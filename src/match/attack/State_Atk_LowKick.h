#ifndef STATE_ATK_LOWKICK_H
#define STATE_ATK_LOWKICK_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a kick to the legs.
class State_Atk_LowKick : public StrikeState
{
public:
    explicit State_Atk_LowKick(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::LowKick)
    {
    }
};

#endif // STATE_ATK_LOWKICK_H
