#include "State_Def_ReturnAttack.h"

#include "DefenderWaitingState.h"
#include "match/Entity_MatchFighter.h"
#include "match/State_Gen_ReturnDmg.h"

State_Def_ReturnAttack::State_Def_ReturnAttack(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Def_ReturnAttack::execute(Entity_MatchFighter *fighter)
{
    fighter->changeState(new State_Gen_ReturnDmg(fighter));
}

void State_Def_ReturnAttack::onMessage(Entity_MatchFighter *fighter, int code)
{
    DefenderWaitingState::installForAttackCode(fighter, code);
}

void State_Def_ReturnAttack::onValue(Entity_MatchFighter *fighter, int code, int value)
{
    fighter->setActionValue(value);
    fighter->setSituation(code);
    execute(fighter);
}
