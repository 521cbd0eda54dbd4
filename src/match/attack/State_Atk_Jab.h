#ifndef STATE_ATK_JAB_H
#define STATE_ATK_JAB_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a quick straight punch with the lead hand.
class State_Atk_Jab : public StrikeState
{
public:
    explicit State_Atk_Jab(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::Jab)
    {
    }
};

#endif // STATE_ATK_JAB_H
