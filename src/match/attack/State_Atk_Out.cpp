#include "State_Atk_Out.h"

#include "AttackerRangeTable.h"

State_Atk_Out::State_Atk_Out(Entity_MatchFighter *fighter)
    : AttackerRangeState(fighter, AttackerRangeTable::out())
{
}
