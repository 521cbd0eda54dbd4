#include "State_Gen_DodgeDmg.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "MatchMessage.h"

namespace {
const char *const PressOnTexts[5] = {
    " presses his advantage! ",
    " avoids the attack and tries to capitalize. ",
    " slips the attack and moves forward himself! ",
    " managed to throw his opponent off balance by dodging. Now he's looking to take advantage... ",
    " moves forward, having avoided his opponent's assault. ",
};
}

State_Gen_DodgeDmg::State_Gen_DodgeDmg(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_DodgeDmg::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Dodged);
}

void State_Gen_DodgeDmg::onValue(Entity_MatchFighter *fighter, int, int value)
{
    fighter->setActionValue(value);
    execute(fighter);
}

void State_Gen_DodgeDmg::execute(Entity_MatchFighter *fighter)
{
    MatchEngine &engine = MatchEngine::Instance();
    if (!fighter->continuesAttack()) {
        // Any code without a meaning of its own tells the strike to go on.
        engine.sendMessageToAttacker(MatchMessage::Jab);
        return;
    }
    commentOneOf(fighter, PressOnTexts);
    engine.nextExchange();
}
