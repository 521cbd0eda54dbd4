#include "State_Gen_CounterDmg.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "State_Gen_KD.h"

#include <algorithm>

State_Gen_CounterDmg::State_Gen_CounterDmg(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_CounterDmg::onValue(Entity_MatchFighter *fighter, int, int value)
{
    fighter->setActionValue(value);
    execute(fighter);
}

void State_Gen_CounterDmg::execute(Entity_MatchFighter *fighter)
{
    MatchEngine &engine = MatchEngine::Instance();
    const int power = std::max(0, fighter->getActionValue());
    fighter->changeStamina(-power);
    const int result = fighter->damageHead(power);

    if (result == Entity_MatchFighter::KnockedOut) {
        knockoutHandOver(fighter);
        return;
    }
    if (result == Entity_MatchFighter::KnockedDown) {
        // The counter-puncher keeps the roles he has: this swap makes the
        // fallen fighter the attacker who runs the count.
        fighter->changeState(new State_Gen_KD(fighter));
        engine.announceKnockdown(fighter);
        engine.swapRoles();
        return;
    }
    hurtRoll(fighter, power);
    engine.nextExchange();
    if (!fighter->continuesAttack())
        engine.nextExchange();
}
