#ifndef STATE_ATK_HIGHKICK_H
#define STATE_ATK_HIGHKICK_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a kick to the head.
class State_Atk_HighKick : public StrikeState
{
public:
    explicit State_Atk_HighKick(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::HighKick)
    {
    }
};

#endif // STATE_ATK_HIGHKICK_H
