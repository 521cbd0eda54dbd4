#include "State_Def_Out.h"

State_Def_Out::State_Def_Out(Entity_MatchFighter *fighter)
    : DefenderWaitingState(fighter, LongRange)
{
}
