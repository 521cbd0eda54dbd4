#ifndef STATE_ATK_CLINCHATTACK_H
#define STATE_ATK_CLINCHATTACK_H

#include "AttackChoiceState.h"

// The attacker choosing a strike in the clinch.
class State_Atk_ClinchAttack : public AttackChoiceState
{
public:
    explicit State_Atk_ClinchAttack(Entity_MatchFighter *fighter);
};

#endif // STATE_ATK_CLINCHATTACK_H
