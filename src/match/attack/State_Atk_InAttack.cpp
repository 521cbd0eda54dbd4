#include "State_Atk_InAttack.h"

#include "AttackChoiceTable.h"

State_Atk_InAttack::State_Atk_InAttack(Entity_MatchFighter *fighter)
    : AttackChoiceState(fighter, AttackChoiceTable::inAttack())
{
}
