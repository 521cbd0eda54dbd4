#include "State_Gen_FullDmg.h"

#include "Entity_MatchFighter.h"
#include "FightMath.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "records/GameRandom.h"

#include <algorithm>

State_Gen_FullDmg::State_Gen_FullDmg(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_FullDmg::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Hit);
}

void State_Gen_FullDmg::onValue(Entity_MatchFighter *fighter, int code, int value)
{
    fighter->setActionValue(value);
    fighter->setSituation(code);
    execute(fighter);
}

void State_Gen_FullDmg::execute(Entity_MatchFighter *fighter)
{
    const int power = fighter->getActionValue();
    int toughness = attribute(FightAttribute::Workrate) / 10 + GameRandom::roll(10) + 1;
    toughness += attribute(FightAttribute::Constitution) / 10 + GameRandom::roll(10) + 1;
    const int spread = (GameRandom::roll(10) + 1 - attribute(FightAttribute::Sturdiness) + 100) / 5 + 1;
    const int damage = std::max(0, power - FightMath::divide(toughness, spread));

    const int strike = fighter->getSituation();
    int result;
    if (isHeadStrike(strike))
        result = fighter->damageHead(damage);
    else if (strike == MatchMessage::LowKick)
        result = fighter->damageLegs(damage + damage / 2);
    else
        result = fighter->damageBody(damage + damage / 2);
    fighter->changeStamina(-damage);

    if (!handOverFallen(fighter, result))
        hurtRoll(fighter, damage);
}
