#ifndef STATE_ATK_INATTACK_H
#define STATE_ATK_INATTACK_H

#include "match/MatchState.h"

// The attacker choosing a strike in the pocket.
class State_Atk_InAttack : public MatchState
{
public:
    explicit State_Atk_InAttack(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
};

#endif // STATE_ATK_INATTACK_H
