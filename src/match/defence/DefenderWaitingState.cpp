#include "DefenderWaitingState.h"

#include "FiveLines.h"
#include "State_Def_Clinch.h"
#include "State_Def_DefMoveClinch.h"
#include "State_Def_DefMoveIn.h"
#include "State_Def_DefMoveOut.h"
#include "State_Def_DefendDecide.h"
#include "State_Def_In.h"
#include "State_Def_Out.h"
#include "match/MatchMessage.h"
#include "match/Mindset.h"
#include "match/attack/StateFactory.h"
#include "records/GameRandom.h"

#include <QtGlobal>
#include <utility>

namespace {

// Two attributes, added, or both taken from 200.
struct Pair {
    bool fromTwoHundred;
    int a, b;
};

// A divisor: attribute / 10 + 1, or (100 - attribute) / 10 + 1.
struct Divisor {
    bool fromHundred;
    int index;
};

// A score: (first pair + 2 rolls + second pair + 2 rolls) / divisor.
struct Score {
    Pair first;
    Pair second;
    Divisor divisor;
};

enum Target { Follow, Stop };

// One branch of the answer to a range change: the two scores in the order
// they are rolled, which of them is the stop score, and what the live
// mindset and fatigue do to them.
struct Branch {
    Score first;
    Score second;
    Target firstScore;
    Target coverUpLowers;
    bool huntingRaisesFollow;
    bool tiredLowersFollow;
};

// Where the defender goes: the waiting state of the attacker's new range,
// or the movement state that tries to stop him.
struct Outcome {
    StateFactory follow;
    StateFactory stop;
};

struct Row {
    int situation;
    int keptStyle;       // the style that swaps the scores in branch A
    int attackCode;
    int rangeCodes[2];   // the attacker's moves that this range answers
    bool recordsMove;    // the pocket keeps the attacker's new range as situation
    Outcome outcome;
    Outcome outcomeWhenMovedOut;
    Branch branchA;
    Branch branchB;
    FiveLines entering;
};

const int None = -1;

const Branch pocketOrClinchA = {
    {{false, 75, 76}, {false, 86, 85}, {true, 84}},
    {{true, 78, 75}, {true, 79, 81}, {false, 77}},
    Follow, Follow, false, true};

const Row rows[DefenderWaitingState::RangeCount] = {
    // Long range.
    {1, 0, MatchMessage::AttackOut, {MatchMessage::MovedIn, None}, false,
     {&makeState<State_Def_In>, &makeState<State_Def_DefMoveIn>}, {nullptr, nullptr},
     {{{false, 75, 76}, {false, 86, 79}, {true, 84}},
      {{true, 78, 75}, {true, 81, 85}, {false, 77}},
      Follow, Follow, true, true},
     {{{false, 66, 76}, {false, 86, 67}, {false, 84}},
      {{false, 81, 60}, {false, 86, 80}, {true, 84}},
      Stop, Follow, true, false},
     {{" moves backward and creates some distance between himself and his opponent. ",
       " settles back into long range. ",
       " makes some room for himself by moving out and circling. ",
       " circles out. ",
       " backs out, creating some breathing room. "}}},
    // The pocket.
    {0, 1, MatchMessage::AttackIn, {MatchMessage::MovedOut, MatchMessage::MovedClinch}, true,
     {&makeState<State_Def_Clinch>, &makeState<State_Def_DefMoveClinch>},
     {&makeState<State_Def_Out>, &makeState<State_Def_DefMoveOut>},
     pocketOrClinchA,
     {{{false, 66, 78}, {false, 86, 85}, {true, 84}},
      {{false, 76, 60}, {false, 81, 79}, {true, 77}},
      Follow, Stop, false, false},
     {{" moves into the pocket. ",
       " wades into close range. ",
       " meets his opponent in the pocket. ",
       " bobs and weaves a bit, until he manages to make his way into the pocket. ",
       " moves into close range. "}}},
    // The clinch.
    {2, 2, MatchMessage::AttackClinch, {MatchMessage::MovedIn, None}, false,
     {&makeState<State_Def_In>, &makeState<State_Def_DefMoveIn>}, {nullptr, nullptr},
     pocketOrClinchA,
     {{{false, 66, 78}, {false, 86, 85}, {true, 84}},
      {{false, 76, 60}, {false, 81, 79}, {true, 77}},
      Follow, Follow, false, false},
     {{" moves in and grapples with his opponent. ",
       " decides to turn this match into a clinching match! ",
       "'s his arms with his opponent's, and they are firmly in the clinch. ",
       " steps in and clinches up. ",
       " decides to get intimate, grabbing his opponent into a tight clinch. "}}},
};

int rollFifty()
{
    return GameRandom::roll(50) + 1;
}

int rollTwenty()
{
    return GameRandom::roll(20) + 1;
}

} // namespace

DefenderWaitingState::DefenderWaitingState(Entity_MatchFighter *fighter, Range range)
    : MatchState(fighter), waitingRange(range)
{
}

void DefenderWaitingState::enter(Entity_MatchFighter *fighter)
{
    const Row &row = rows[waitingRange];
    fighter->setSituation(row.situation);
    row.entering.say(fighter);
}

void DefenderWaitingState::onMessage(Entity_MatchFighter *fighter, int code)
{
    const Row &row = rows[waitingRange];
    if (code == row.attackCode) {
        fighter->setSituation(row.situation);
        fighter->changeState(new State_Def_DefendDecide(fighter));
    } else if (code == row.rangeCodes[0] || code == row.rangeCodes[1]) {
        if (row.recordsMove)
            fighter->setSituation(code);
        execute(fighter);
    }
}

bool DefenderWaitingState::installForAttackCode(Entity_MatchFighter *fighter, int code)
{
    switch (code) {
    case MatchMessage::AttackOut:
        fighter->changeState(new State_Def_Out(fighter));
        return true;
    case MatchMessage::AttackIn:
        fighter->changeState(new State_Def_In(fighter));
        return true;
    case MatchMessage::AttackClinch:
        fighter->changeState(new State_Def_Clinch(fighter));
        return true;
    default:
        return false;
    }
}

namespace {

int pairValue(const MatchState &state, const Pair &pair)
{
    const int sum = state.attr(pair.a) + state.attr(pair.b);
    return pair.fromTwoHundred ? 200 - sum : sum;
}

int divisorValue(const MatchState &state, const Divisor &divisor)
{
    const int base = divisor.fromHundred ? 100 - state.attr(divisor.index) : state.attr(divisor.index);
    return base / 10 + 1;
}

// The first pair goes with the score's first roll, the second with its
// second; the two rolls are handed in already made, in roll order.
int scoreValue(const MatchState &state, const Score &score, int firstRoll, int secondRoll)
{
    const int firstPart = pairValue(state, score.first) + 2 * firstRoll;
    return FightMath::divide(firstPart + pairValue(state, score.second) + 2 * secondRoll,
                             divisorValue(state, score.divisor));
}

} // namespace

void DefenderWaitingState::execute(Entity_MatchFighter *fighter)
{
    const Row &row = rows[waitingRange];
    const int movedTo = fighter->getSituation();

    const int opening = rollFifty();
    const int style = styleIndex();
    const bool branchA = style <= 2;
    const Branch &branch = branchA ? row.branchA : row.branchB;

    const int s1 = rollFifty();
    const int first = scoreValue(*this, branch.first, opening, s1);
    const int s2 = rollFifty();
    const int s3 = rollFifty();
    const int second = scoreValue(*this, branch.second, s2, s3);
    int follow = branch.firstScore == Follow ? first : second;
    int stop = branch.firstScore == Follow ? second : first;

    // The live mindset and fatigue, not the snapshot's.
    const int mindsetNow = fighter->getMindset();
    if (mindsetNow == Mindset::CoveringUp)
        (branch.coverUpLowers == Follow ? follow : stop) -= rollTwenty();
    else if (mindsetNow == Mindset::HuntingKnockout && branch.huntingRaisesFollow)
        follow += rollTwenty();
    if (branch.tiredLowersFollow && fighter->getFatigueLevel() > 3)
        follow -= rollTwenty();

    if (branchA && style == row.keptStyle)
        std::swap(follow, stop);

    follow /= GameRandom::roll(5) + 1;
    stop /= GameRandom::roll(5) + 1;

    // The larger score fills 8 of the 12 entries, the smaller 4: M M N ...
    const int larger = qMax(follow, stop);
    const int smaller = qMin(follow, stop);
    const int drawn = GameRandom::roll(12) % 3 == 2 ? smaller : larger;

    fighter->setSituation(row.situation);

    const int hurt = fighter->getMindset();
    if (hurt == Mindset::Dazed || hurt == Mindset::CaughtOffGuard) {
        const int calm = steadiness();
        const int u = GameRandom::roll(100);
        const int v = GameRandom::roll(100);
        const int w = GameRandom::roll(100);
        if (u + v + w < calm)
            fighter->setMindset(Mindset::Balanced);
    }

    const Outcome &outcome =
        row.recordsMove && movedTo == MatchMessage::MovedOut ? row.outcomeWhenMovedOut : row.outcome;
    fighter->setActionValue(drawn);
    // A tie goes to following. Replaces (deletes) this state.
    fighter->changeState(drawn == follow ? outcome.follow(fighter) : outcome.stop(fighter));
}
