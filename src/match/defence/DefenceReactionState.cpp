#include "DefenceReactionState.h"

#include "DefenderWaitingState.h"
#include "FiveLines.h"
#include "match/Entity_MatchFighter.h"
#include "match/FightMath.h"
#include "match/attack/StateFactory.h"
#include "match/State_Gen_BlkDmgBody.h"
#include "match/State_Gen_BlkDmgClinch.h"
#include "match/State_Gen_BlkDmgHeadKick.h"
#include "match/State_Gen_BlkDmgHeadPunch.h"
#include "match/State_Gen_BlkDmgLeg.h"
#include "match/State_Gen_CounterAtk.h"
#include "match/State_Gen_DodgeDmg.h"
#include "match/State_Gen_FullDmg.h"
#include "records/GameRandom.h"

namespace {

// What the defender says on a defence that works.
const FiveLines blockHighPunchHeld = {{
    " manages to block the attack. ",
    " manages to catch the attack right on his gloves. ",
    " blocks the attack successfully. ",
    " is able to bring his gloves up in time to deflect the attack. ",
    " avoids the full brunt of the attack by blocking it. "}};
const FiveLines blockHighKickHeld = {{
    " manages to defend himself against the attack! ",
    " blocks it! ",
    "'s defense manages to save him from taking the full force of that kick. ",
    " catches it on his gloves! ",
    " manages to shield himself from trouble. "}};
const FiveLines blockMidHeld = {{
    " protects his body. ",
    " manages to prevent his body from being pounded into mush. ",
    "'s defense sees him through, preventing any significant damage from getting through his guard. ",
    " is able to protect his body well. ",
    " blocks the attack, catching it on his arms instead of his body. "}};
const FiveLines blockLowHeld = {{
    " checks the leg kick. ",
    " manages to get his leg up in time to block the attack. ",
    " defends his legs successfully. ",
    " checks the kick, banging his shin against his opponent's! ",
    " prevents any serious damage to his legs by checking the attack. "}};
const FiveLines blockClinchHeld = {{
    " manages to defend himself! ",
    " uses his clinch positioning to bring his gloves up to meet the attack, blocking it. ",
    "'s clinch defending is on display here, as he manages to stifle the attack. ",
    " blocks the attack! ",
    " manages to block the attack despite being tied up in the clinch. "}};
const FiveLines dodgeHighHeld = {{
    " ducks out of the way! ",
    " manages to avoid the attack! ",
    "'s head movement is superb, as he successfully dodges the attack. ",
    " manages to avoid it! ",
    " dodges the attack with ease. "}};
const FiveLines dodgeMidHeld = {{
    " moves out of the way! ",
    " manages to avoid the attack! ",
    "'s body movement is superb, as he successfully dodges the attack. ",
    " manages to avoid it! ",
    " dodges the attack with ease. "}};
const FiveLines dodgeLowHeld = {{
    " swings his leg out of the way! ",
    " manages to avoid the attack! ",
    "'s footwork is superb, as he successfully dodges the attack. ",
    " manages to avoid it! ",
    " dodges the attack with ease. "}};
const FiveLines dodgeClinchHeld = {{
    " ducks out of the way! ",
    " manages to avoid the attack! ",
    "'s reaction is superb, as he successfully dodges the attack. ",
    " manages to avoid it! ",
    " dodges the attack with ease. "}};
const FiveLines counterHeld = {{
    " manages to counter the attack! ",
    " counters it! ",
    " slips the attack, and throws a counter attack before his opponent can react. ",
    " manages to land his counter attack first! ",
    " throws a counter attack. "}};

// What the defender says when the strike gets through.
const FiveLines highFailed = {{
    " takes the attack square on the chin! ",
    " didn't manage to get his defense up in time! ",
    "'s defense isn't good enough, and he takes the full brunt of the attack. ",
    " got hammered by that one! ",
    " isn't able to defend himself well enough, and takes the full force of the attack. "}};
const FiveLines highKickFailed = {{
    " gets hammered on the side of his head! ",
    " eats the vicious high kick with full force! ",
    "'s defense isn't good enough, and he takes the full brunt of the attack. ",
    " got hammered by that one! ",
    " isn't able to defend himself well enough, and takes the full force of the attack. "}};
const FiveLines midFailed = {{
    "'s body takes a pounding! ",
    " takes the full force of that shot to the body. ",
    "'s defense isn't good enough, and he takes the full brunt of the attack. ",
    "'s ribs will be feeling that in the morning! ",
    " isn't able to defend himself well enough, allowing his body to take a pounding. "}};
const FiveLines lowFailed = {{
    "'s lead leg gets hammered! ",
    " isn't able to check the attack in time. ",
    " isn't quick enough, and his leg gets pounded. ",
    " is going to be in trouble if he keeps letting his legs take that kind of beating! ",
    " isn't able to defend himself well enough, and takes the full force of the attack. "}};
const FiveLines clinchFailed = {{
    " can't handle himself in the clinch, and gets hit hard! ",
    " didn't manage to get his defense up in time! ",
    "'s defense isn't good enough, and he takes the full brunt of the attack. ",
    " gets hammered! His clinch defense wasn't up to par for that one! ",
    " isn't able to defend himself well enough, and takes the full force of the attack. "}};
const FiveLines counterHighFailed = {{
    "'s timing is off, and he gets clocked hard! ",
    " wasn't quite fast enough, and ends up getting hit! ",
    "'s defense isn't good enough, and he takes the full brunt of the attack. ",
    " gets hammered! His counter attempt wasn't good enough! ",
    " isn't able to counter quickly enough, and takes the full force of the attack. "}};
const FiveLines counterMidFailed = {{
    "'s timing is off, and he gets pounded hard! ",
    " wasn't quite fast enough, and his body ends up taking a beating! ",
    "'s defense isn't good enough, and he takes the full brunt of the attack. ",
    " gets hammered! His counter attempt wasn't good enough! ",
    " isn't able to counter quickly enough, and takes the full force of the attack. "}};

using StatsAdder = void (Entity_MatchFighter::*)(int, int);

// One reaction. The score's first stage is firstA / 10 + firstB / 10 plus
// twice a roll; the second adds secondA / 10 + secondB / 10 plus twice a
// roll, or for a dodge (secondB < 0) secondA / 10 plus the roll once. The
// steadiness attribute sets the divisor. In the draw pattern, '0' marks the
// entries that are 0 and 'S' those that hold the score.
struct Row {
    int firstA, firstB, secondA, secondB;
    int rollSize;
    int steadiness;
    const char *pattern;
    StatsAdder addStats;
    StateFactory makeResult;
    const FiveLines *held;
    const FiveLines *failed;
};

const char *const fourZeros = "S0SS0SS0SS0S";
const char *const twoZeros = "S0SSSSS0SSSS";
const int DrawLength = 12;
const int DodgeForm = -1;

const Row rows[DefenceReactionState::KindCount] = {
    {63, 46, 61, 40, 40, 46, fourZeros, &Entity_MatchFighter::addBlockHighStats,
     &makeState<State_Gen_BlkDmgHeadPunch>, &blockHighPunchHeld, &highFailed},
    {63, 44, 56, 44, 40, 44, fourZeros, &Entity_MatchFighter::addBlockHighStats,
     &makeState<State_Gen_BlkDmgHeadKick>, &blockHighKickHeld, &highKickFailed},
    {63, 50, 56, 50, 40, 50, twoZeros, &Entity_MatchFighter::addBlockLowStats,
     &makeState<State_Gen_BlkDmgBody>, &blockMidHeld, &midFailed},
    {63, 48, 56, 48, 40, 48, twoZeros, &Entity_MatchFighter::addBlockLowStats,
     &makeState<State_Gen_BlkDmgLeg>, &blockLowHeld, &lowFailed},
    {69, 54, 72, 55, 40, 73, twoZeros, &Entity_MatchFighter::addBlockHighStats,
     &makeState<State_Gen_BlkDmgClinch>, &blockClinchHeld, &clinchFailed},
    {63, 40, 67, DodgeForm, 40, 74, fourZeros, &Entity_MatchFighter::addDodgeHighStats,
     &makeState<State_Gen_DodgeDmg>, &dodgeHighHeld, &highFailed},
    {63, 42, 67, DodgeForm, 40, 74, fourZeros, &Entity_MatchFighter::addDodgeLowStats,
     &makeState<State_Gen_DodgeDmg>, &dodgeMidHeld, &midFailed},
    {63, 66, 67, DodgeForm, 40, 74, fourZeros, &Entity_MatchFighter::addDodgeLowStats,
     &makeState<State_Gen_DodgeDmg>, &dodgeLowHeld, &lowFailed},
    {63, 55, 52, DodgeForm, 40, 72, fourZeros, &Entity_MatchFighter::addDodgeLowStats,
     &makeState<State_Gen_DodgeDmg>, &dodgeClinchHeld, &clinchFailed},
    {63, 46, 41, 40, 20, 67, fourZeros, &Entity_MatchFighter::addCounterHighStats,
     &makeState<State_Gen_CounterAtk>, &counterHeld, &counterHighFailed},
    {63, 46, 43, 42, 20, 67, fourZeros, &Entity_MatchFighter::addCounterMidStats,
     &makeState<State_Gen_CounterAtk>, &counterHeld, &counterMidFailed},
};

} // namespace

DefenceReactionState::DefenceReactionState(Entity_MatchFighter *fighter, Kind kind)
    : MatchState(fighter), reactionKind(kind)
{
}

void DefenceReactionState::onValue(Entity_MatchFighter *fighter, int, int value)
{
    fighter->setActionValue(value);
    execute(fighter);
}

void DefenceReactionState::onMessage(Entity_MatchFighter *fighter, int code)
{
    DefenderWaitingState::installForAttackCode(fighter, code);
}

void DefenceReactionState::execute(Entity_MatchFighter *fighter)
{
    const Row &row = rows[reactionKind];

    const int firstRoll = GameRandom::roll(row.rollSize) + 1;
    int score = attr(row.firstA) / 10 + attr(row.firstB) / 10 + 2 * firstRoll;
    const int secondRoll = GameRandom::roll(row.rollSize) + 1;
    if (row.secondB == DodgeForm)
        score += attr(row.secondA) / 10 + secondRoll;
    else
        score += attr(row.secondA) / 10 + attr(row.secondB) / 10 + 2 * secondRoll;
    const int steadyRoll = GameRandom::roll(20) + 1;
    score = FightMath::divide(score, (steadyRoll - attr(row.steadiness) + 100) / 10 + 1);

    // The draw vector holds the score or 0 at each of its 12 entries.
    const int drawn = row.pattern[GameRandom::roll(DrawLength)] == 'S' ? score : 0;
    const bool defended = drawn >= fighter->getActionValue();

    (defended ? row.held : row.failed)->say(fighter);
    (fighter->*row.addStats)(defended ? 1 : 0, 1);
    // Replaces (deletes) this state: nothing of it is touched afterwards.
    fighter->changeState(defended ? row.makeResult(fighter) : new State_Gen_FullDmg(fighter));
}
