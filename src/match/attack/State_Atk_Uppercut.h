#ifndef STATE_ATK_UPPERCUT_H
#define STATE_ATK_UPPERCUT_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a rising punch under the chin.
class State_Atk_Uppercut : public StrikeState
{
public:
    explicit State_Atk_Uppercut(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::Uppercut)
    {
    }
};

#endif // STATE_ATK_UPPERCUT_H
