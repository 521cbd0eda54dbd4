#ifndef STATE_ATK_OUTATTACK_H
#define STATE_ATK_OUTATTACK_H

#include "AttackChoiceState.h"

// The attacker choosing a strike at long range.
class State_Atk_OutAttack : public AttackChoiceState
{
public:
    explicit State_Atk_OutAttack(Entity_MatchFighter *fighter);
};

#endif // STATE_ATK_OUTATTACK_H
