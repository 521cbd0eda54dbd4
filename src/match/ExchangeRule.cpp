#include "ExchangeRule.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "attack/State_Atk_ClinchAttack.h"
#include "attack/State_Atk_InAttack.h"
#include "attack/State_Atk_OutAttack.h"

namespace ExchangeRule {

void apply(Entity_MatchFighter *striker)
{
    MatchEngine &engine = MatchEngine::Instance();
    const int count = engine.getExchangeCount();
    if (count > 6 || (count >= 2 && !striker->continuesAttack())) {
        engine.nextExchange();
        return;
    }
    switch (striker->getSituation()) {
    case 6: striker->changeState(new State_Atk_OutAttack(striker)); break;
    case 7: striker->changeState(new State_Atk_InAttack(striker)); break;
    case 8: striker->changeState(new State_Atk_ClinchAttack(striker)); break;
    default: break;
    }
}

} // namespace ExchangeRule
