#ifndef STATE_ATK_CROSS_H
#define STATE_ATK_CROSS_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a straight punch with the rear hand.
class State_Atk_Cross : public StrikeState
{
public:
    explicit State_Atk_Cross(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::Cross)
    {
    }
};

#endif // STATE_ATK_CROSS_H
