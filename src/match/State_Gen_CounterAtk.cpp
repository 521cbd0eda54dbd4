#include "State_Gen_CounterAtk.h"

#include "Entity_MatchFighter.h"
#include "FightMath.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "records/GameRandom.h"

namespace {

struct CounterStrike {
    int code;
    int ownIndex;     // the strike's third own attribute
    int spreadIndex;  // against it in the divisor
    int staminaIndex; // the strike's middle attribute
    const char *texts[5];
};

const CounterStrike FrontKickCounter = {MatchMessage::FrontKick, 27, 73, 26, {
    " throws a counter front kick! ",
    " counters using a front kick. ",
    " takes advantage of his timing and throws a front kick. ",
    " counters with a front kick. ",
    " uses a hard front kick to counter his opponent's attack. "}};
const CounterStrike JabCounter = {MatchMessage::Jab, 6, 57, 5, {
    " throws a counter jab! ",
    " counters using a stiff jab that snaps his opponent's head back. ",
    " takes advantage of his timing and catches his opponent right on the chin with a jab. ",
    " peppers him with a strong jab. ",
    " uses a hard jab to counter his opponent's attack. "}};
const CounterStrike KneeCounter = {MatchMessage::Knee, 30, 73, 29, {
    " throws a counter knee! ",
    " counters using a vicious knee. ",
    " takes advantage of his timing and throws a knee. ",
    " counters with a knee to the head. ",
    " uses a hard knee to counter his opponent's attack. "}};
const CounterStrike UppercutCounter = {MatchMessage::Uppercut, 15, 74, 14, {
    " throws a hard uppercut! ",
    " dips his shoulder and throws a wicked counter uppercut! ",
    " takes advantage of his opponent's opening and throws a ferocious uppercut. ",
    " catches his opponent completely off-guard with an uppercut out of nowhere! ",
    " uses a well-timed uppercut to counter his opponent's attack. "}};

const int ClincherStyle = 2;
const int KickerStyle = 4;

// By the range of the countered attack and the style; null: no counter.
const CounterStrike *counterFor(int situation, int style)
{
    const bool kneesAndKicks = style == ClincherStyle || style == KickerStyle;
    if (situation == 1)
        return kneesAndKicks ? &FrontKickCounter : &JabCounter;
    if (situation == 0 || situation == 2)
        return kneesAndKicks ? &KneeCounter : &UppercutCounter;
    return nullptr;
}

} // namespace

State_Gen_CounterAtk::State_Gen_CounterAtk(Entity_MatchFighter *fighter)
    : ResultState(fighter)
{
}

void State_Gen_CounterAtk::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Countered);
}

void State_Gen_CounterAtk::onMessage(Entity_MatchFighter *fighter, int code)
{
    if (code == MatchMessage::Knockdown || code == MatchMessage::Knockout) {
        MatchEngine::Instance().scoreJudges(fighter, 35);
        fighter->countKnockdown(1);
        return;
    }
    ResultState::onMessage(fighter, code);
}

void State_Gen_CounterAtk::onValue(Entity_MatchFighter *fighter, int, int value)
{
    fighter->setActionValue(value);
    execute(fighter);
}

void State_Gen_CounterAtk::execute(Entity_MatchFighter *fighter)
{
    int power = 0;
    if (const CounterStrike *strike = counterFor(fighter->getSituation(), styleIndex())) {
        const int attack = attribute(FightAttribute::Power);
        int total = attr(strike->ownIndex) + attack + 2 * (GameRandom::roll(40) + 1);
        total += attribute(FightAttribute::Technique) + attack + 2 * (GameRandom::roll(40) + 1);
        total += attr(strike->ownIndex) + attack + 2 * (GameRandom::roll(40) + 1);
        const int spread = (GameRandom::roll(10) + 1 - attr(strike->spreadIndex) + 100) / 3 + 1;
        power = FightMath::divide(total, spread);

        commentOneOf(fighter, strike->texts);
        fighter->addStrikeStats(strike->code, 1, 1);
        fighter->changeStamina(-((100 - attr(strike->staminaIndex)) / 10));
        fighter->setSituation(strike->code);
    }
    MatchEngine &engine = MatchEngine::Instance();
    // May replace this state (a new exchange): only the fighter and the
    // engine are used afterwards.
    engine.sendValueToDefender(MatchMessage::Countered, power);
    engine.scoreJudges(fighter, 10);
}
