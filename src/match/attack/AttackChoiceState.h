#ifndef ATTACKCHOICESTATE_H
#define ATTACKCHOICESTATE_H

#include "RankedDraw.h"
#include "match/MatchState.h"

struct AttackChoicePlan;

// The attacker who has decided to attack at one range. enter announces
// the attack; the next step scores the range's six strikes from the
// fighter's attributes, a roll each and his style's bonus, picks one by a
// ranked draw, announces it in the commentary, marks the situation and
// hands over to the strike. The three attack-choice classes are this
// state with their range's plan.
class AttackChoiceState : public MatchState
{
public:
    AttackChoiceState(Entity_MatchFighter *fighter, const AttackChoicePlan &plan);

    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;

private:
    Scores scoreOptions() const;

    const AttackChoicePlan &plan;
};

#endif // ATTACKCHOICESTATE_H
