#ifndef STATE_DEF_BLOCKMID_H
#define STATE_DEF_BLOCKMID_H

#include "DefenceReactionState.h"

// Blocks a strike to the body: mid kick, front kick, knee or body punch.
class State_Def_BlockMid : public DefenceReactionState
{
public:
    explicit State_Def_BlockMid(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, BlockMid) {}
};

#endif // STATE_DEF_BLOCKMID_H
