#include "State_Gen_ReturnReceive.h"

#include "Entity_MatchFighter.h"
#include "ExchangeRule.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "State_Gen_KD.h"

namespace {
const char *const HitBackTexts[5] = {
    " gets nailed by his opponent's retaliation! ",
    " isn't able to get away unscathed, as he gets clocked by his opponent's response. ",
    " gets pounded right on the chin! It's a back and forth exchange! ",
    " is hammered by his opponent's return fire! ",
    " gets hit back just as hard! They're just trading shots now! ",
};
}

State_Gen_ReturnReceive::State_Gen_ReturnReceive(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_ReturnReceive::onMessage(Entity_MatchFighter *, int) {}

void State_Gen_ReturnReceive::execute(Entity_MatchFighter *fighter)
{
    MatchEngine &engine = MatchEngine::Instance();
    commentOneOf(fighter, HitBackTexts);
    const int result = fighter->damageHead(fighter->getActionValue());

    if (result == Entity_MatchFighter::KnockedOut) {
        // The returner is credited with the knockdown, as a counter-puncher is.
        if (Entity_MatchFighter *returner = engine.getDefender())
            returner->countKnockdown(1);
        knockoutHandOver(fighter);
        return;
    }
    if (result == Entity_MatchFighter::KnockedDown) {
        engine.sendMessageToDefender(MatchMessage::Knockdown);
        fighter->changeState(new State_Gen_KD(fighter));
        // Undoes the swap of State_Gen_KD: the fallen fighter runs his count.
        engine.swapRoles();
        engine.announceKnockdown(fighter);
        return;
    }

    ExchangeRule::apply(fighter);
}
