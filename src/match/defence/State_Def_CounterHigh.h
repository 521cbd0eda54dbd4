#ifndef STATE_DEF_COUNTERHIGH_H
#define STATE_DEF_COUNTERHIGH_H

#include "DefenceReactionState.h"

// Counters a strike to the head (and the elbow).
class State_Def_CounterHigh : public DefenceReactionState
{
public:
    explicit State_Def_CounterHigh(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, CounterHigh) {}
};

#endif // STATE_DEF_COUNTERHIGH_H
