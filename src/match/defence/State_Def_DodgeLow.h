#ifndef STATE_DEF_DODGELOW_H
#define STATE_DEF_DODGELOW_H

#include "DefenceReactionState.h"

// Swings the leg out of the way of a low kick.
class State_Def_DodgeLow : public DefenceReactionState
{
public:
    explicit State_Def_DodgeLow(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, DodgeLow) {}
};

#endif // STATE_DEF_DODGELOW_H
