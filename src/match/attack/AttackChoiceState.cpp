#include "AttackChoiceState.h"

#include "AttackChoiceTable.h"
#include "RankedDraw.h"
#include "StrikeTable.h"
#include "match/Entity_MatchFighter.h"
#include "match/FightMath.h"
#include "match/MatchEngine.h"
#include "records/GameRandom.h"

AttackChoiceState::AttackChoiceState(Entity_MatchFighter *fighter, const AttackChoicePlan &plan)
    : MatchState(fighter), plan(plan)
{
}

void AttackChoiceState::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToDefender(plan.announceCode);
}

// Each strike: its three attributes and a roll, divided by 1 (for a
// divisor attribute of 91 or more) up to 11 (for 0).
Scores AttackChoiceState::scoreOptions() const
{
    Scores scores;
    for (const AttackOption &option : plan.options) {
        const int roll = GameRandom::roll(50) + 1;
        const int sum = attr(option.terms[0]) + attr(option.terms[1]) + attr(option.terms[2]) + 3 * roll;
        scores.append(FightMath::divide(sum, (100 - attr(option.divisorIndex)) / 10 + 1));
    }
    for (int target : AttackChoiceTable::bonusPlan(plan, styleIndex())) {
        const int bonus = (GameRandom::roll(100) + 1) / 20;
        if (target != AttackChoicePlan::NoOption)
            scores[target] += bonus;
    }
    return scores;
}

void AttackChoiceState::execute(Entity_MatchFighter *fighter)
{
    // The opening draw stands where the clock reseeds began; it keeps the
    // sequence of draws as it always was.
    GameRandom::roll(50);
    const Scores scores = scoreOptions();
    const RankedChoice choice = rankedDraw(scores, plan.appendOrder);
    const AttackOption &chosen = plan.options[choice.option];
    const int line = FightMath::pickIndex(5);
    if (fighter->isHeard())
        fighter->appendCommentary(chosen.lines[line].render(*fighter));
    fighter->setSituation(plan.situation);
    // The plans are static tables, so `chosen` outlives this state.
    fighter->changeState(StrikeTable::create(chosen.strikeCode, fighter));
}
