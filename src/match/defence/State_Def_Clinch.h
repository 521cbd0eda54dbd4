#ifndef STATE_DEF_CLINCH_H
#define STATE_DEF_CLINCH_H

#include "DefenderWaitingState.h"

// The defender waiting in the clinch.
class State_Def_Clinch : public DefenderWaitingState
{
public:
    explicit State_Def_Clinch(Entity_MatchFighter *fighter) : DefenderWaitingState(fighter, Clinch) {}
};

#endif // STATE_DEF_CLINCH_H
