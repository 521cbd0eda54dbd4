#include "State_Atk_OutAttack.h"

#include "AttackChoiceTable.h"

State_Atk_OutAttack::State_Atk_OutAttack(Entity_MatchFighter *fighter)
    : AttackChoiceState(fighter, AttackChoiceTable::outAttack())
{
}
