#ifndef STATE_ATK_DIRTYBOX_H
#define STATE_ATK_DIRTYBOX_H

#include "StrikeState.h"
#include "match/MatchMessage.h"

// The attacker throwing short punches while holding in the clinch.
class State_Atk_DirtyBox : public StrikeState
{
public:
    explicit State_Atk_DirtyBox(Entity_MatchFighter *fighter)
        : StrikeState(fighter, MatchMessage::DirtyBox)
    {
    }
};

#endif // STATE_ATK_DIRTYBOX_H
