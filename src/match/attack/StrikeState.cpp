#include "StrikeState.h"

#include "AttackChoiceTable.h"
#include "StrikeTable.h"
#include "match/Entity_MatchFighter.h"
#include "match/ExchangeRule.h"
#include "match/FightMath.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"
#include "match/State_Gen_CounterDmg.h"
#include "match/State_Gen_ReturnReceive.h"
#include "records/GameRandom.h"

namespace {

// How tiredness moves the accuracy, by fatigue level 0 (fresh) to 5
// (spent): the fifth roll, halved for levels 1 and 3, times a factor.
struct FatigueAdjustment { int factor; bool halved; };
const FatigueAdjustment fatigueAdjustments[] = {
    {1, false}, {1, true}, {0, false}, {-1, true}, {-1, false}, {-2, false},
};

int accuracyRoll() { return GameRandom::roll(20) + 1; }
int powerRoll() { return GameRandom::roll(50) + 1; }

// Judges' points for a landed blow, a block, a knockdown and a blow that
// was fired back at.
const int HitPoints = 10;
const int BlockPoints = 2;
const int KnockdownPoints = 35;
const int ReturnedPoints = 5;

} // namespace

StrikeState::StrikeState(Entity_MatchFighter *fighter, int strikeCode)
    : MatchState(fighter), strike(StrikeTable::row(strikeCode))
{
    Q_ASSERT(strike);
}

int StrikeState::strikeCode() const
{
    return strike->code;
}

void StrikeState::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToDefender(strike->code);
}

StrikeState::Throw StrikeState::rollThrow(int fatigueLevel) const
{
    const int a = attr(strike->a), b = attr(strike->b), c = attr(strike->c);
    const int technique = attribute(FightAttribute::Technique);
    const int power = attribute(FightAttribute::Power);

    const int r1 = accuracyRoll();
    const int s1 = a + attr(strike->x) + 2 * r1;
    const int r2 = accuracyRoll();
    const int s2 = s1 + b + technique + 2 * r2;
    const int r3 = accuracyRoll();
    const int s3 = s2 + a + attr(strike->y) + 2 * r3;
    const int r4 = accuracyRoll();
    Throw result;
    result.accuracy = FightMath::divide(s3, r4 + 101 - attr(strike->d));

    const int r5 = accuracyRoll();
    if (fatigueLevel >= 0 && fatigueLevel <= 5) {
        const FatigueAdjustment &adjust = fatigueAdjustments[fatigueLevel];
        result.accuracy += adjust.factor * (adjust.halved ? r5 / 2 : r5);
    }

    const int p1 = powerRoll();
    const int sum1 = c + power + 2 * p1;
    const int p2 = powerRoll();
    const int sum2 = sum1 + power + technique + 2 * p2;
    const int p3 = powerRoll();
    const int sum3 = sum2 + 2 * (c + power + 2 * p3);
    const int q = GameRandom::roll(10);
    result.power = FightMath::divide(sum3, 102 - attr(strike->e) + q);
    return result;
}

void StrikeState::execute(Entity_MatchFighter *fighter)
{
    const int code = strike->code;
    const Throw blow = rollThrow(fighter->getFatigueLevel());
    fighter->setActionValue(blow.power);
    MatchEngine &engine = MatchEngine::Instance();
    // The defence, its result and this state's answer all run inside the
    // send; this state may be gone when it returns.
    engine.sendValueToDefender(code, blow.accuracy);
    engine.countExchange();
}

int StrikeState::staminaCost() const
{
    return (100 - attr(strike->b)) / 10;
}

void StrikeState::onMessage(Entity_MatchFighter *fighter, int code)
{
    // Everything this answer needs is taken now: the sends below may bring
    // nested answers into this state or replace it.
    const int own = strike->code;
    const int cost = staminaCost();
    void (Entity_MatchFighter::*addStats)(int, int) = strike->addStats;
    MatchEngine &engine = MatchEngine::Instance();

    switch (code) {
    case MatchMessage::Hit:
        engine.sendValueToDefender(own, fighter->getActionValue());
        engine.scoreJudges(fighter, HitPoints);
        (fighter->*addStats)(1, 1);
        fighter->changeStamina(-cost);
        ExchangeRule::apply(fighter);
        break;
    case MatchMessage::Blocked:
        engine.sendValueToDefender(own, fighter->getActionValue());
        engine.scoreJudges(fighter, BlockPoints);
        (fighter->*addStats)(0, 1);
        fighter->changeStamina(-2 * cost);
        ExchangeRule::apply(fighter);
        break;
    case MatchMessage::Dodged:
        // The dodger decides whether to press on or to let us go on.
        engine.sendValueToDefender(own, fighter->getActionValue());
        (fighter->*addStats)(0, 1);
        fighter->changeStamina(-2 * cost);
        break;
    case MatchMessage::Knockdown:
        // The situation names the finishing technique; the fallen fighter
        // takes the code as his own situation and runs the count.
        fighter->setSituation(own);
        engine.sendMessageToDefender(fighter->getSituation());
        engine.scoreJudges(fighter, KnockdownPoints);
        (fighter->*addStats)(1, 1);
        fighter->countKnockdown(1);
        break;
    case MatchMessage::Knockout:
        fighter->setSituation(own);
        (fighter->*addStats)(1, 1);
        fighter->countKnockdown(1);
        break;
    case MatchMessage::Countered:
        engine.swapRoles();
        fighter->changeState(new State_Gen_CounterDmg(fighter));
        break;
    case MatchMessage::Returned:
        engine.sendValueToDefender(own, fighter->getActionValue());
        engine.scoreJudges(fighter, ReturnedPoints);
        (fighter->*addStats)(1, 1);
        fighter->changeState(new State_Gen_ReturnReceive(fighter));
        break;
    default:
        // Among others the dodger's go-on signal (the Jab's code).
        ExchangeRule::apply(fighter);
        break;
    }
}

void StrikeState::onValue(Entity_MatchFighter *fighter, int, int value)
{
    // The damage of a blow fired back, kept until the return is taken.
    fighter->setActionValue(value);
}
