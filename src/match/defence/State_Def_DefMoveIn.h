#ifndef STATE_DEF_DEFMOVEIN_H
#define STATE_DEF_DEFMOVEIN_H

#include "DefenderMoveState.h"

// Tries to stop the attacker coming into the pocket, from long range or the clinch (jab or front kick).
class State_Def_DefMoveIn : public DefenderMoveState
{
public:
    explicit State_Def_DefMoveIn(Entity_MatchFighter *fighter) : DefenderMoveState(fighter, MoveIn) {}
};

#endif // STATE_DEF_DEFMOVEIN_H
