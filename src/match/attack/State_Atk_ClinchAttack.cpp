#include "State_Atk_ClinchAttack.h"

#include "AttackChoiceTable.h"

State_Atk_ClinchAttack::State_Atk_ClinchAttack(Entity_MatchFighter *fighter)
    : AttackChoiceState(fighter, AttackChoiceTable::clinchAttack())
{
}
