#include "State_Atk_OutAttack.h"

#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"

State_Atk_OutAttack::State_Atk_OutAttack(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Atk_OutAttack::enter(Entity_MatchFighter *fighter)
{
    Q_UNUSED(fighter);
    MatchEngine::Instance().sendMessageToDefender(MatchMessage::AttackOut);
}
