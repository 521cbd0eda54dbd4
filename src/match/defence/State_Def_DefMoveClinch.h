#ifndef STATE_DEF_DEFMOVECLINCH_H
#define STATE_DEF_DEFMOVECLINCH_H

#include "DefenderMoveState.h"

// Tries to stop the attacker tying him up in the clinch (cross or knee).
class State_Def_DefMoveClinch : public DefenderMoveState
{
public:
    explicit State_Def_DefMoveClinch(Entity_MatchFighter *fighter) : DefenderMoveState(fighter, MoveClinch) {}
};

#endif // STATE_DEF_DEFMOVECLINCH_H
