#include "State_Gen_KO.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "MatchMessage.h"

namespace {
const ResultState::NamedLine KnockoutLines[5] = {
    {"", true, " is out cold! It's over! "},
    {"Oh! ", false, " crumples to the mat! He's out! "},
    {"", false, " collapses to the mat, knocked out before he even hits the ground! "},
    {"", false, " gets knocked out cold, falling to the mat in a heap! "},
    {"Oh! ", false, " falls to the ground! It's a knockout! "},
};
}

State_Gen_KO::State_Gen_KO(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_KO::enter(Entity_MatchFighter *fighter)
{
    fighter->countKnockdown(0);
    fighter->setSituation(5);
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Knockout);
    execute(fighter);
}

void State_Gen_KO::execute(Entity_MatchFighter *fighter)
{
    commentOneOf(fighter, KnockoutLines, 5);
    MatchEngine::Instance().endMatch(fighter);
}

void State_Gen_KO::onMessage(Entity_MatchFighter *, int) {}
