#include "State_Atk_Out.h"

#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"

State_Atk_Out::State_Atk_Out(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Atk_Out::enter(Entity_MatchFighter *fighter)
{
    Q_UNUSED(fighter);
    MatchEngine::Instance().sendMessageToDefender(MatchMessage::MovedOut);
}
