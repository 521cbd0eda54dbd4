#ifndef STATE_DEF_BLOCKLOW_H
#define STATE_DEF_BLOCKLOW_H

#include "DefenceReactionState.h"

// Checks a low kick; also the answer to any code without a reaction of its own.
class State_Def_BlockLow : public DefenceReactionState
{
public:
    explicit State_Def_BlockLow(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, BlockLow) {}
};

#endif // STATE_DEF_BLOCKLOW_H
