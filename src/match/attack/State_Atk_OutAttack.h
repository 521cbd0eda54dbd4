#ifndef STATE_ATK_OUTATTACK_H
#define STATE_ATK_OUTATTACK_H

#include "match/MatchState.h"

// The attacker choosing a strike at long range.
class State_Atk_OutAttack : public MatchState
{
public:
    explicit State_Atk_OutAttack(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
};

#endif // STATE_ATK_OUTATTACK_H
