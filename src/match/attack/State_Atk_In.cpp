#include "State_Atk_In.h"

#include "AttackerRangeTable.h"

State_Atk_In::State_Atk_In(Entity_MatchFighter *fighter)
    : AttackerRangeState(fighter, AttackerRangeTable::in())
{
}
