#include "State_Atk_InAttack.h"

#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"

State_Atk_InAttack::State_Atk_InAttack(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Atk_InAttack::enter(Entity_MatchFighter *fighter)
{
    Q_UNUSED(fighter);
    MatchEngine::Instance().sendMessageToDefender(MatchMessage::AttackIn);
}
