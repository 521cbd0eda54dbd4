#ifndef STATE_ATK_FRONTKICK_H
#define STATE_ATK_FRONTKICK_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a push kick to the midsection.
class State_Atk_FrontKick : public StrikeState
{
public:
    explicit State_Atk_FrontKick(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::FrontKick)
    {
    }
};

#endif // STATE_ATK_FRONTKICK_H
