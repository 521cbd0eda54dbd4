#include "State_Def_DefendDecide.h"

State_Def_DefendDecide::State_Def_DefendDecide(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}
