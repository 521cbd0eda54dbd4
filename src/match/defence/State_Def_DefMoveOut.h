#ifndef STATE_DEF_DEFMOVEOUT_H
#define STATE_DEF_DEFMOVEOUT_H

#include "DefenderMoveState.h"

// Tries to stop the attacker leaving the pocket for long range (jab or front kick).
class State_Def_DefMoveOut : public DefenderMoveState
{
public:
    explicit State_Def_DefMoveOut(Entity_MatchFighter *fighter) : DefenderMoveState(fighter, MoveOut) {}
};

#endif // STATE_DEF_DEFMOVEOUT_H
