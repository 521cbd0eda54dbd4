#ifndef STATE_DEF_IN_H
#define STATE_DEF_IN_H

#include "DefenderWaitingState.h"

// The defender waiting in the pocket.
class State_Def_In : public DefenderWaitingState
{
public:
    explicit State_Def_In(Entity_MatchFighter *fighter) : DefenderWaitingState(fighter, Pocket) {}
};

#endif // STATE_DEF_IN_H
