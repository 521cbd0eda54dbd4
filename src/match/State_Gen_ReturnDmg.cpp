#include "State_Gen_ReturnDmg.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "records/GameRandom.h"

#include <algorithm>

namespace {

const char *const TakeItTexts[5] = {
    " takes the attack head on! ",
    " doesn't even seem to be trying to defend against the attack. ",
    " leaves himself wide open, almost inviting the attack! ",
    " drops his guard! He seems to be lining up his own attack. ",
    " stands right in front of his opponent... ",
};

#define RETURN_LAST " eats the attack in order to throw one of his own. "

struct ReturnStrike {
    int code;
    int staminaIndex; // the strike's middle attribute
    const char *texts[5];
};

const ReturnStrike KneeReturn = {MatchMessage::Knee, 29, {
    " fires back with a hard knee! ",
    " responds by throwing a knee to his opponent's head. ",
    " decides to fight fire with fire, pulling his opponent's head down into his knee. ",
    " retaliates with a powerful knee! ", RETURN_LAST}};
const ReturnStrike CrossReturn = {MatchMessage::Cross, 11, {
    " fires back with a hard cross! ",
    " responds with a right cross. ",
    " decides to fight fire with fire, throwing a hard cross. ",
    " returns the favour with a vicious cross! ", RETURN_LAST}};
const ReturnStrike UppercutReturn = {MatchMessage::Uppercut, 14, {
    " fires back with a hard uppercut! ",
    " doesn't let his attacker get away, throwing an uppercut in retaliation. ",
    " decides to fight fire with fire, throwing a hard uppercut. ",
    " responds by throwing everything he has into a vicious uppercut! ", RETURN_LAST}};
const ReturnStrike HookReturn = {MatchMessage::Hook, 8, {
    " fires back with a crushing hook! ",
    " responds with a ferocious overhand right! ",
    " decides to fight fire with fire, throwing a hook in response. ",
    " returns the favour with a vicious hook! ", RETURN_LAST}};
const ReturnStrike HighKickReturn = {MatchMessage::HighKick, 23, {
    " fires back with a high kick! ",
    " responds with a high left kick. ",
    " decides to fight fire with fire, throwing a kick at his opponent's head. ",
    "'s kicking skills are on full display here, as he throws a high kick in response! ",
    RETURN_LAST}};
const ReturnStrike JabReturn = {MatchMessage::Jab, 5, {
    " fires back with a well-timed jab. ",
    " responds by throwing a stiff jab. ",
    " decides to fight fire with fire, whipping out a quick retaliatory jab. ",
    " returns the favour with a hard jab! ", RETURN_LAST}};

#undef RETURN_LAST

bool coin()
{
    return (GameRandom::roll(20) + 1) % 2 == 1;
}

// By style index: Kicker high kick, Tactician jab, Puncher and Brawler an
// uppercut or a hook, everyone else a knee or a cross.
const ReturnStrike &returnFor(int style)
{
    switch (style) {
    case 3:
    case 5: return coin() ? UppercutReturn : HookReturn;
    case 4: return HighKickReturn;
    case 6: return JabReturn;
    default: return coin() ? KneeReturn : CrossReturn;
    }
}

} // namespace

State_Gen_ReturnDmg::State_Gen_ReturnDmg(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_ReturnDmg::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Returned);
}

void State_Gen_ReturnDmg::onMessage(Entity_MatchFighter *fighter, int code)
{
    MatchEngine &engine = MatchEngine::Instance();
    if (code == MatchMessage::Knockdown) {
        engine.sendMessageToAttacker(fighter->getSituation());
        engine.scoreJudges(fighter, 35);
        fighter->countKnockdown(1);
        return;
    }
    if (code == MatchMessage::Knockout) {
        fighter->countKnockdown(1);
        return;
    }
    ResultState::onMessage(fighter, code);
}

// The attacker's strike, taken in full before answering.
void State_Gen_ReturnDmg::onValue(Entity_MatchFighter *fighter, int code, int value)
{
    commentOneOf(fighter, TakeItTexts);
    fighter->setActionValue(value);
    fighter->setSituation(code);
    const int damage = std::max(0, fighter->getActionValue());
    fighter->changeStamina(-damage);

    int result;
    if (isHeadStrike(code))
        result = fighter->damageHead(damage);
    else if (code == MatchMessage::LowKick)
        result = fighter->damageLegs(damage);
    else
        result = fighter->damageBody(damage);
    if (!handOverFallen(fighter, result))
        execute(fighter);
}

// The return strike, at the striker's still installed strike state.
void State_Gen_ReturnDmg::execute(Entity_MatchFighter *fighter)
{
    MatchEngine &engine = MatchEngine::Instance();
    const int extra = GameRandom::roll(10) + 1;
    const ReturnStrike &strike = returnFor(styleIndex());
    commentOneOf(fighter, strike.texts);
    fighter->setSituation(strike.code);
    engine.scoreJudges(fighter, 5);
    fighter->addStrikeStats(strike.code, 1, 1);
    fighter->changeStamina(-((100 - attr(strike.staminaIndex)) / 10));

    const int power = attribute(FightAttribute::Power) / 10 + extra;
    engine.swapRoles();
    engine.sendValueToDefender(MatchMessage::Returned, power);
    engine.swapRoles();
}
