#include "BlockDamageState.h"

#include "Entity_MatchFighter.h"
#include "FightMath.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "records/GameRandom.h"

#include <algorithm>

BlockDamageState::BlockDamageState(Entity_MatchFighter *fighter, int indexA, int indexB, Pool damaged)
    : ResultState(fighter), guardIndexA(indexA), guardIndexB(indexB), pool(damaged)
{
}

void BlockDamageState::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Blocked);
}

void BlockDamageState::onValue(Entity_MatchFighter *fighter, int, int value)
{
    fighter->setActionValue(value);
    execute(fighter);
}

void BlockDamageState::execute(Entity_MatchFighter *fighter)
{
    const int power = fighter->getActionValue();
    int guard = attribute(FightAttribute::Sturdiness) / 10 + attr(guardIndexA) / 10 + 2 * (GameRandom::roll(10) + 1);
    guard += attr(guardIndexB) / 10 + GameRandom::roll(10) + 1;
    const int spread = (101 - attribute(FightAttribute::Constitution) + GameRandom::roll(20)) / 15 + 1;
    const int damage = std::max(0, power - FightMath::divide(guard, spread));

    fighter->changeStamina(-damage);
    const int taken = damage + damage / 2;
    const int result = pool == Legs ? fighter->damageLegs(taken) : fighter->damageArms(taken);
    if (result == Entity_MatchFighter::KnockedDown)
        knockdownHandOver(fighter);
}
