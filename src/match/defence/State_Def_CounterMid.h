#ifndef STATE_DEF_COUNTERMID_H
#define STATE_DEF_COUNTERMID_H

#include "DefenceReactionState.h"

// Counters a strike to the body (and dirty boxing).
class State_Def_CounterMid : public DefenceReactionState
{
public:
    explicit State_Def_CounterMid(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, CounterMid) {}
};

#endif // STATE_DEF_COUNTERMID_H
