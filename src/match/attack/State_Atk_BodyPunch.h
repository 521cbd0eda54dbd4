#ifndef STATE_ATK_BODYPUNCH_H
#define STATE_ATK_BODYPUNCH_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing a punch to the body.
class State_Atk_BodyPunch : public StrikeState
{
public:
    explicit State_Atk_BodyPunch(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::BodyPunch)
    {
    }
};

#endif // STATE_ATK_BODYPUNCH_H
