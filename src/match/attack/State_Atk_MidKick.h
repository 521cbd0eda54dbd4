#ifndef STATE_ATK_MIDKICK_H
#define STATE_ATK_MIDKICK_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a roundhouse kick to the body.
class State_Atk_MidKick : public StrikeState
{
public:
    explicit State_Atk_MidKick(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::MidKick)
    {
    }
};

#endif // STATE_ATK_MIDKICK_H
