#include "AttackerRangeTable.h"

#include "State_Atk_Clinch.h"
#include "State_Atk_ClinchAttack.h"
#include "State_Atk_In.h"
#include "State_Atk_InAttack.h"
#include "State_Atk_Out.h"
#include "State_Atk_OutAttack.h"
#include "match/MatchMessage.h"
#include "match/Mindset.h"

using Line::last;
using Line::leadLast;

namespace {

ScoreBonus add(int option) { return {option, 1, false}; }
ScoreBonus addRolled(int option) { return {option, 1, true}; }
ScoreBonus take(int option) { return {option, -1, false}; }


} // namespace

const RangeStyle &RangeDescription::styleFor(int styleIndex) const
{
    const int table = styleIndex >= 0 && styleIndex < styleTable.size()
        ? styleTable[styleIndex] : styles.size() - 1;
    return styles[table];
}

namespace AttackerRangeTable {

// Long range: move into the pocket, or attack from the outside.
const RangeDescription &out()
{
    enum { In, Attack };
    static const RangeDescription range = {
        MatchMessage::MovedOut,
        {
            {makeState<State_Atk_In>, {
                last(" looks like he's trying to work his way in..."),
                last(" presses forward! "),
                last(" makes his way into the pocket. "),
                last(" tries to close in. "),
                last(" wades in, trying to apply a bit of pressure..."),
            }},
            {makeState<State_Atk_OutAttack>, {
                last(" keeps circling, looking for an opening. "),
                last(" seems like he's going to make a move from the outside. "),
                last(" moves and looks to be timing his offense. "),
                last(" plants his feet, as if he's about to throw something from long range. "),
                last(" throws a quick fake..."),
            }},
        },
        {1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 0},
        true,
        // Outfighter; Infighter and Clincher; everyone else.
        {0, 1, 1, 2, 2, 2, 2},
        {
            {2,
             {{400, {}, {75, 76, 85, 84}, {0, 1}, 67, false},
              {0, {74, 83, 71, 67}, {}, {1, 2}, 66, true}},
             {{Mindset::Dazed, take(Attack)},
              {Mindset::Aggressive, add(Attack)},
              {Mindset::HuntingKnockout, add(Attack)},
              {Mindset::FightingOutside, addRolled(Attack)},
              {Mindset::FightingInside, addRolled(In)},
              {Mindset::Clinching, addRolled(In)}},
             true,
             {{0, add(Attack)}}},
            {3,
             {{0, {62, 71, 83, 74}, {}, {0, 1}, 81, true},
              {400, {}, {75, 76, 85, 81}, {2, 3}, 77, false}},
             {{Mindset::CoveringUp, take(In)},
              {Mindset::HuntingKnockout, add(In)},
              {Mindset::FightingOutside, add(Attack)},
              {Mindset::FightingInside, addRolled(In)},
              {Mindset::Clinching, addRolled(In)}},
             true,
             {{4, take(In)}, {5, take(In)}}},
            {3,
             {{0, {62, 71, 83, 74}, {}, {0, 1}, 81, true},
              {0, {62, 61, 83, 66}, {}, {2, 3}, 84, true}},
             {{Mindset::FightingOutside, add(Attack)},
              {Mindset::FightingInside, add(In)},
              {Mindset::Clinching, add(In)}},
             false,
             {}},
        },
        {
            {MatchMessage::MovedIn, makeState<State_Atk_In>, {
                leadLast("That seems to have disrupted ", "'s plans a bit. "),
                last(" can't seem to stay away from him. "),
                last(" gets drawn back into the pocket. "),
            }},
        },
    };
    return range;
}

// The pocket: step back out, go for the clinch, or attack.
const RangeDescription &in()
{
    enum { Out, Clinch, Attack };
    static const RangeDescription range = {
        MatchMessage::MovedIn,
        {
            {makeState<State_Atk_Out>, {
                last(" creates a bit more space between them. "),
                last(" backpedals a bit..."),
                last(" moves out of the pocket. "),
                last(" takes a step back. "),
                last(" doesn't seem to want to stay so close..."),
            }},
            {makeState<State_Atk_Clinch>, {
                last(" reaches out and tries to grab a hold..."),
                last(" wades in further, trying to get up close and personal. "),
                last(" moves in for the clinch! "),
                last(" tries to tie him up! "),
                leadLast("It appears ", " wants to close in and turn this into a clinching match! "),
            }},
            {makeState<State_Atk_InAttack>, {
                last(" lunges forward! "),
                last(" looks like he's about to throw something. "),
                last(" moves forward with bad intentions! "),
                last(" tees up! "),
                leadLast("Seems like ", " is about to launch something nasty! "),
            }},
        },
        {2, 1, 0, 2, 1, 2, 2, 1, 0, 2, 1, 2, 2, 1, 0, 2, 1, 2},
        false,
        // Outfighter; Infighter; Clincher; everyone else.
        {0, 1, 2, 3, 3, 3, 3},
        {
            {6,
             {{0, {62, 71, 83, 74}, {}, {1, 2}, 75, true},
              {400, {}, {75, 76, 85, 60}, {5, 6}, 84, false},
              {400, {}, {75, 76, 85, 78}, {3, 4}, 84, false}},
             {{Mindset::Dazed, add(Clinch)},
              {Mindset::CaughtOffGuard, add(Clinch)},
              {Mindset::HuntingKnockout, add(Attack)},
              {Mindset::FightingOutside, addRolled(Out)},
              {Mindset::FightingInside, addRolled(Attack)},
              {Mindset::Clinching, addRolled(Clinch)}},
             true,
             {{5, take(Out)}}},
            // The Infighter's bonus for an aggressive or knockout-hunting
            // corner goes to the attack; the three range instructions
            // favour the move they ask for, like the other styles'.
            {6,
             {{400, {}, {75, 76, 85, 81}, {3, 4}, 85, false},
              {400, {}, {75, 76, 85, 72}, {5, 6}, 69, false},
              {0, {74, 86, 83, 77}, {}, {1, 2}, 81, true}},
             {{Mindset::CoveringUp, add(Out)},
              {Mindset::Dazed, add(Clinch)},
              {Mindset::CaughtOffGuard, add(Out)},
              {Mindset::Aggressive, add(Attack)},
              {Mindset::HuntingKnockout, add(Attack)},
              {Mindset::FightingOutside, addRolled(Out)},
              {Mindset::FightingInside, addRolled(Attack)},
              {Mindset::Clinching, addRolled(Clinch)}},
             true,
             {{0, add(Attack)}, {4, take(Attack)}, {5, take(Attack)}}},
            {6,
             {{400, {}, {75, 76, 85, 63}, {5, 6}, 69, false},
              {0, {72, 62, 83, 66}, {}, {1, 2}, 60, true},
              {400, {}, {75, 76, 85, 78}, {3, 4}, 69, false}},
             {{Mindset::Dazed, add(Attack)},
              {Mindset::Aggressive, add(Clinch)},
              {Mindset::HuntingKnockout, add(Attack)},
              {Mindset::FightingOutside, addRolled(Out)},
              {Mindset::FightingInside, addRolled(Attack)},
              {Mindset::Clinching, addRolled(Clinch)}},
             true,
             {{4, add(Out)}, {5, take(Clinch)}}},
            {6,
             {{400, {}, {66, 67, 85, 63}, {5, 6}, 69, true},
              {0, {72, 69, 80, 66}, {}, {1, 2}, 60, true},
              {400, {}, {81, 76, 71, 70}, {3, 4}, 83, true}},
             {{Mindset::FightingOutside, add(Out)},
              {Mindset::FightingInside, addRolled(Attack)},
              {Mindset::Clinching, addRolled(Clinch)}},
             false,
             {}},
        },
        {
            {MatchMessage::MovedOut, makeState<State_Atk_Out>, {
                last(" gets pushed back out a bit. "),
                last(" isn't able to stay in the pocket, as he gets forced out by a hard counter. "),
                last(" eats a stiff counterattack trying to wade in close! "),
            }},
            {MatchMessage::MovedClinch, makeState<State_Atk_Clinch>, {
                last(" can't break out of the clinch! "),
                last(" is forced back into the clinch. "),
                last(" appears firmly stuck in the clinch, and can't seem to escape. "),
            }},
        },
    };
    return range;
}

// The clinch: leave it for the pocket, or attack in it.
const RangeDescription &clinch()
{
    enum { Leave, Attack };
    static const RangeDescription range = {
        MatchMessage::MovedClinch,
        {
            {makeState<State_Atk_In>, {
                last(" decides things are a bit too close for comfort and moves out. "),
                last(" isn't quite willing to clinch up..."),
                last(" backs away from clinch range. "),
                last(" lets go of the clinch and takes a step back. "),
                last(" doesn't seem to want to stay clinched up..."),
            }},
            {makeState<State_Atk_ClinchAttack>, {
                leadLast("While they're tied up in the clinch, ", " lines him up! "),
                last(" looks like he's in position to throw something..."),
                last(" makes some sudden movements!. "),
                last(" shifts his positioning! It looks like he's attacking! "),
                last(" looks to be attempting something..."),
            }},
        },
        {1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 0},
        true,
        // Outfighter and Infighter; Clincher; everyone else.
        {0, 0, 1, 2, 2, 2, 2},
        {
            {3,
             {{0, {62, 71, 83, 74}, {}, {0, 1}, 66, true},
              {400, {}, {75, 76, 85, 78}, {2, 3}, 77, false}},
             {{Mindset::Dazed, add(Leave)},
              {Mindset::CaughtOffGuard, add(Attack)},
              {Mindset::Aggressive, add(Leave)},
              {Mindset::HuntingKnockout, add(Attack)},
              {Mindset::FightingOutside, addRolled(Leave)},
              {Mindset::FightingInside, addRolled(Leave)},
              {Mindset::Clinching, addRolled(Attack)}},
             true,
             {{5, take(Leave)}}},
            // The Clincher presses his attack for an aggressive or
            // knockout-hunting corner, leaves the clinch when told to
            // fight outside or inside, and attacks in it when told to
            // clinch.
            {3,
             {{400, {}, {75, 76, 85, 72}, {0, 1}, 69, false},
              {0, {62, 73, 83, 74}, {}, {2, 3}, 77, true}},
             {{Mindset::CoveringUp, take(Attack)},
              {Mindset::Dazed, add(Leave)},
              {Mindset::Aggressive, add(Attack)},
              {Mindset::HuntingKnockout, add(Attack)},
              {Mindset::FightingOutside, addRolled(Leave)},
              {Mindset::FightingInside, addRolled(Leave)},
              {Mindset::Clinching, addRolled(Attack)}},
             true,
             {{4, add(Leave)}, {5, add(Leave)}}},
            {3,
             {{0, {62, 71, 83, 74}, {}, {0, 1}, 66, true},
              {0, {62, 73, 69, 72}, {}, {2, 3}, 84, true}},
             {{Mindset::FightingOutside, add(Leave)},
              {Mindset::FightingInside, add(Leave)},
              {Mindset::Clinching, add(Attack)}},
             false,
             {}},
        },
        {
            {MatchMessage::MovedIn, makeState<State_Atk_In>, {
                last(" gets pushed back out into the pocket. "),
                last(" isn't able to grab a hold. "),
                last(" faces some resistance trying to grab him! "),
            }},
        },
    };
    return range;
}

} // namespace AttackerRangeTable
