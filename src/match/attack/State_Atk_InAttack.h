#ifndef STATE_ATK_INATTACK_H
#define STATE_ATK_INATTACK_H

#include "AttackChoiceState.h"

// The attacker choosing a strike in the pocket.
class State_Atk_InAttack : public AttackChoiceState
{
public:
    explicit State_Atk_InAttack(Entity_MatchFighter *fighter);
};

#endif // STATE_ATK_INATTACK_H
