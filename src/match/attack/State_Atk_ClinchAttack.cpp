#include "State_Atk_ClinchAttack.h"

#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"

State_Atk_ClinchAttack::State_Atk_ClinchAttack(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Atk_ClinchAttack::enter(Entity_MatchFighter *fighter)
{
    Q_UNUSED(fighter);
    MatchEngine::Instance().sendMessageToDefender(MatchMessage::AttackClinch);
}
