#ifndef STATE_DEF_DODGEMID_H
#define STATE_DEF_DODGEMID_H

#include "DefenceReactionState.h"

// Moves the body out of the way of a strike to the body.
class State_Def_DodgeMid : public DefenceReactionState
{
public:
    explicit State_Def_DodgeMid(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, DodgeMid) {}
};

#endif // STATE_DEF_DODGEMID_H
