#include "State_Atk_Clinch.h"

#include "AttackerRangeTable.h"

State_Atk_Clinch::State_Atk_Clinch(Entity_MatchFighter *fighter)
    : AttackerRangeState(fighter, AttackerRangeTable::clinch())
{
}
