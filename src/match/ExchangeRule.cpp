#include "ExchangeRule.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "attack/AttackChoiceTable.h"

namespace ExchangeRule {

void apply(Entity_MatchFighter *striker)
{
    MatchEngine &engine = MatchEngine::Instance();
    const int count = engine.getExchangeCount();
    if (count > 6 || (count >= 2 && !striker->continuesAttack())) {
        engine.nextExchange();
        return;
    }
    if (Entity_MatchFighter::FightState *next
            = AttackChoiceTable::createForSituation(striker->getSituation(), striker))
        striker->changeState(next);
}

} // namespace ExchangeRule
