#ifndef STATE_DEF_BLOCKHIGHKICK_H
#define STATE_DEF_BLOCKHIGHKICK_H

#include "DefenceReactionState.h"

// Blocks a high kick.
class State_Def_BlockHighKick : public DefenceReactionState
{
public:
    explicit State_Def_BlockHighKick(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, BlockHighKick) {}
};

#endif // STATE_DEF_BLOCKHIGHKICK_H
