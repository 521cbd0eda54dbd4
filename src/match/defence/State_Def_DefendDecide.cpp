#include "State_Def_DefendDecide.h"

#include "State_Def_BlockClinch.h"
#include "State_Def_BlockHighKick.h"
#include "State_Def_BlockHighPunch.h"
#include "State_Def_BlockLow.h"
#include "State_Def_BlockMid.h"
#include "State_Def_CounterHigh.h"
#include "State_Def_CounterMid.h"
#include "State_Def_DodgeClinch.h"
#include "State_Def_DodgeHigh.h"
#include "State_Def_DodgeLow.h"
#include "State_Def_DodgeMid.h"
#include "State_Def_ReturnAttack.h"
#include "match/Entity_MatchFighter.h"
#include "match/MatchMessage.h"
#include "match/attack/RankedDraw.h"
#include "match/attack/StateFactory.h"
#include "records/GameRandom.h"

namespace {

// The block, counter and dodge for each strike code, Jab (9) to Body Punch
// (20), then for any other code. A counter against a low kick is a check.
const StateFactory reactions[13][3] = {
    {&makeState<State_Def_BlockHighPunch>, &makeState<State_Def_CounterHigh>, &makeState<State_Def_DodgeHigh>},
    {&makeState<State_Def_BlockHighPunch>, &makeState<State_Def_CounterHigh>, &makeState<State_Def_DodgeHigh>},
    {&makeState<State_Def_BlockHighPunch>, &makeState<State_Def_CounterHigh>, &makeState<State_Def_DodgeHigh>},
    {&makeState<State_Def_BlockHighPunch>, &makeState<State_Def_CounterHigh>, &makeState<State_Def_DodgeHigh>},
    {&makeState<State_Def_BlockLow>, &makeState<State_Def_BlockLow>, &makeState<State_Def_DodgeLow>},
    {&makeState<State_Def_BlockMid>, &makeState<State_Def_CounterMid>, &makeState<State_Def_DodgeMid>},
    {&makeState<State_Def_BlockHighKick>, &makeState<State_Def_CounterHigh>, &makeState<State_Def_DodgeHigh>},
    {&makeState<State_Def_BlockMid>, &makeState<State_Def_CounterMid>, &makeState<State_Def_DodgeMid>},
    {&makeState<State_Def_BlockMid>, &makeState<State_Def_CounterMid>, &makeState<State_Def_DodgeMid>},
    {&makeState<State_Def_BlockClinch>, &makeState<State_Def_CounterHigh>, &makeState<State_Def_DodgeClinch>},
    {&makeState<State_Def_BlockClinch>, &makeState<State_Def_CounterMid>, &makeState<State_Def_DodgeClinch>},
    {&makeState<State_Def_BlockMid>, &makeState<State_Def_CounterMid>, &makeState<State_Def_DodgeMid>},
    {&makeState<State_Def_BlockLow>, &makeState<State_Def_CounterMid>, &makeState<State_Def_DodgeLow>},
};
const int OtherCode = 12;

// Each score is two halves of two attributes and twice a roll, in the
// option order block, counter, dodge, return.
const int scoreTerms[State_Def_DefendDecide::DefenceCount][4] = {
    {56, 60, 61, 58},
    {79, 76, 71, 82},
    {63, 67, 74, 66},
    {80, 81, 77, 70},
};

// Ranks 0 (lowest score) to 3: weights 1, 3, 4 and 7 of 15 entries.
const QVector<int> appendOrder = {2, 3, 1, 2, 0, 3, 3, 1, 3, 2, 3, 1, 3, 2, 3};

const int Brawler = 5;
const int Tactician = 6;

// The reaction for a choice against a strike code; return fire whatever
// the code.
Entity_MatchFighter::FightState *reactionFor(Entity_MatchFighter *fighter,
                                             State_Def_DefendDecide::Defence choice, int strikeCode)
{
    if (choice == State_Def_DefendDecide::Return)
        return new State_Def_ReturnAttack(fighter);
    const int row = MatchMessage::isStrike(strikeCode) ? strikeCode - MatchMessage::Jab : OtherCode;
    return reactions[row][choice](fighter);
}

} // namespace

State_Def_DefendDecide::State_Def_DefendDecide(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void State_Def_DefendDecide::onMessage(Entity_MatchFighter *fighter, int code)
{
    fighter->setActionValue(code);
    execute(fighter);
}

void State_Def_DefendDecide::execute(Entity_MatchFighter *fighter)
{
    GameRandom::roll(50); // the opening draw only ever fed the reseeds
    const int style = styleIndex();

    Scores scores(DefenceCount);
    for (int option = 0; option < DefenceCount; ++option) {
        const int *terms = scoreTerms[option];
        const int firstHalf = attr(terms[0]) + attr(terms[1]) + 2 * (GameRandom::roll(50) + 1);
        scores[option] = firstHalf + attr(terms[2]) + attr(terms[3]) + 2 * (GameRandom::roll(50) + 1);
    }
    if (style == Brawler)
        scores[Return] += GameRandom::roll(70) + 1;
    else if (style == Tactician)
        scores[Counter] += GameRandom::roll(70) + 1;

    const Defence choice = Defence(rankedDraw(scores, appendOrder).option);
    // Replaces (deletes) this state.
    fighter->changeState(reactionFor(fighter, choice, fighter->getActionValue()));
}
