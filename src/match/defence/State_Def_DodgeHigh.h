#ifndef STATE_DEF_DODGEHIGH_H
#define STATE_DEF_DODGEHIGH_H

#include "DefenceReactionState.h"

// Slips a punch to the head or a high kick.
class State_Def_DodgeHigh : public DefenceReactionState
{
public:
    explicit State_Def_DodgeHigh(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, DodgeHigh) {}
};

#endif // STATE_DEF_DODGEHIGH_H
