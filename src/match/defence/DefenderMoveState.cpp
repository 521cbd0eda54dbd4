#include "DefenderMoveState.h"

#include "FiveLines.h"
#include "State_Def_Clinch.h"
#include "State_Def_In.h"
#include "State_Def_Out.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"
#include "match/attack/StateFactory.h"
#include "records/GameRandom.h"

namespace {

using StatsAdder = void (Entity_MatchFighter::*)(int, int);

// A stop strike, by the attribute indices it reads: accuracy from aim,
// precision and A[63], A[82], cut by its accuracy divisor; power from
// strength and A[70], cut by its power divisor. Then its statistics pair
// and the texts of a stop that lands.
struct Strike {
    int aim, precision, strength, accuracyDivisor, powerDivisor;
    StatsAdder addStats;
    FiveLines landed;
};

const Strike jabOut = {4, 5, 6, 65, 57, &Entity_MatchFighter::addJabStats, {{
    " throws a quick jab, to stop him from getting away. ",
    " flicks out a quick counter jab! ",
    " manages to keep the fight in close range by stunning him with a quick jab. ",
    " stops him in his tracks with a hard jab. ",
    " snaps his head back with a counter jab. "}}};
const Strike frontKickOut = {25, 26, 27, 68, 73, &Entity_MatchFighter::addFrontKickStats, {{
    " catches him with a quick front kick. ",
    " manages to catch him off guard with a front kick! ",
    " throws a front kick out of nowhere to stop him in his tracks! ",
    " wants to keep this fight in the pocket, using a hard front kick to make sure it stays that way. ",
    " catches his opponent trying to move away, punishing him with a stiff front kick to the liver! "}}};
const Strike jabIn = {4, 5, 6, 65, 57, &Entity_MatchFighter::addJabStats, {{
    " throws a quick jab, to stun him. ",
    " flicks out a quick counter jab! ",
    " manages to keep the fight right where he wants it by using a stiff jab. ",
    " stops him in his tracks with a hard jab. ",
    " snaps his head back with a jab, forcing him to think twice about it. "}}};
const Strike frontKickIn = {25, 26, 27, 68, 73, &Entity_MatchFighter::addFrontKickStats, {{
    " keeps him right where he wants him by piercing him with a quick front kick. ",
    " manages to catch him off guard with a front kick! ",
    " throws a front kick out of nowhere to stop him in his tracks! ",
    " wants to keep this fight exactly where it is, making his intentions known with a hard front kick. ",
    " catches his opponent moving around, punishing him with a stiff front kick to the liver! "}}};
const Strike crossClinch = {10, 11, 12, 65, 57, &Entity_MatchFighter::addCrossStats, {{
    " throws a hard cross, to keep him away. ",
    " stops him dead in his tracks with a counter right! ",
    " avoids the clinch with a hard cross. ",
    " times his cross and manages to stay out of the clinch. ",
    " stuns him with a right cross, forcing him back out. "}}};
const Strike kneeClinch = {28, 29, 30, 68, 73, &Entity_MatchFighter::addKneeStats, {{
    " throws a quick knee to catch him coming in. ",
    " knees his attacker in the chest! ",
    " keeps this fight exactly where he wants it, using a hard knee to make sure of it. ",
    " stops him in his tracks with a knee to the midsection. ",
    " catches him coming in with a knee. "}}};

// One movement state: the range code the attacker answers with, the two
// stop strikes, and where the defender stands afterwards. A landed stop
// keeps him at the range the attacker is sent back to (the clinch when his
// situation is the clinch), a failed one follows the attacker.
struct Row {
    int answerCode;
    const Strike *punch;
    const Strike *kick;
    StateFactory landed;
    StateFactory landedInClinch;
    StateFactory failed;
};

const Row rows[DefenderMoveState::MoveCount] = {
    {MatchMessage::MovedOut, &jabOut, &frontKickOut,
     &makeState<State_Def_In>, &makeState<State_Def_In>, &makeState<State_Def_Out>},
    {MatchMessage::MovedIn, &jabIn, &frontKickIn,
     &makeState<State_Def_Out>, &makeState<State_Def_Clinch>, &makeState<State_Def_In>},
    {MatchMessage::MovedClinch, &crossClinch, &kneeClinch,
     &makeState<State_Def_In>, &makeState<State_Def_In>, &makeState<State_Def_Clinch>},
};

const int Puncher = 3;
const int Kicker = 4;

int rollFifty()
{
    return GameRandom::roll(50) + 1;
}

} // namespace

DefenderMoveState::DefenderMoveState(Entity_MatchFighter *fighter, Move move)
    : MatchState(fighter), defenderMove(move)
{
}

void DefenderMoveState::enter(Entity_MatchFighter *)
{
    // The attacker's range state answers at once with onValue.
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::DefenderMoved);
}

void DefenderMoveState::onValue(Entity_MatchFighter *fighter, int code, int value)
{
    if (code != rows[defenderMove].answerCode)
        return;
    fighter->setActionValue(value);
    execute(fighter);
}

void DefenderMoveState::execute(Entity_MatchFighter *fighter)
{
    const Row &row = rows[defenderMove];

    GameRandom::roll(50); // the opening draw only ever fed the reseeds
    const int style = styleIndex();
    const int a = rollFifty();
    const bool punches = style == Puncher || (style != Kicker && a % 2 == 1);
    const Strike &strike = punches ? *row.punch : *row.kick;

    const int aim = attr(strike.aim) + attribute(FightAttribute::Reflexes) + 2 * a;
    const int s1 = rollFifty();
    const int accuracy = FightMath::divide(attribute(FightAttribute::Timing) + attr(strike.precision) + aim + 2 * s1,
                                           (100 - attr(strike.accuracyDivisor)) / 10 + 1);
    const int s2 = rollFifty();
    const int basePower = attribute(FightAttribute::Power) + s2;
    const int s3 = rollFifty();
    const int fullPower = attr(strike.strength) + basePower + s3;
    const int s4 = rollFifty();
    const int power = FightMath::divide(fullPower, s4 - attr(strike.powerDivisor) + 101);

    // Half of the 8 entries are 0: accuracy, 0, accuracy, 0, ...
    const int drawn = GameRandom::roll(8) % 2 == 0 ? accuracy : 0;
    if (drawn <= fighter->getActionValue()) {
        // Replaces (deletes) this state; its enter follows the attacker.
        fighter->changeState(row.failed(fighter));
        return;
    }

    strike.landed.say(fighter);
    (fighter->*strike.addStats)(1, 1);
    const int situation = fighter->getSituation();
    MatchEngine &engine = MatchEngine::Instance();
    // The power reaches the attacker's range state before he is sent back.
    engine.getAttacker()->handleValue(MatchMessage::DefenderMoved, power);
    engine.sendMessageToAttacker(situation);
    // No enter: the defender stays where he was, without a movement line.
    fighter->setState((situation == MatchMessage::MovedClinch ? row.landedInClinch : row.landed)(fighter));
}
