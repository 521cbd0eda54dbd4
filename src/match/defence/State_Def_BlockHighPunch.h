#ifndef STATE_DEF_BLOCKHIGHPUNCH_H
#define STATE_DEF_BLOCKHIGHPUNCH_H

#include "DefenceReactionState.h"

// Blocks a punch to the head: jab, hook, cross or uppercut.
class State_Def_BlockHighPunch : public DefenceReactionState
{
public:
    explicit State_Def_BlockHighPunch(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, BlockHighPunch) {}
};

#endif // STATE_DEF_BLOCKHIGHPUNCH_H
