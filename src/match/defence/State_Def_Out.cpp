#include "State_Def_Out.h"

#include "match/Entity_MatchFighter.h"

State_Def_Out::State_Def_Out(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Def_Out::enter(Entity_MatchFighter *fighter)
{
    fighter->setSituation(1);
}
