#ifndef STATE_ATK_HOOK_H
#define STATE_ATK_HOOK_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a looping punch to the side of the head.
class State_Atk_Hook : public StrikeState
{
public:
    explicit State_Atk_Hook(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::Hook)
    {
    }
};

#endif // STATE_ATK_HOOK_H
