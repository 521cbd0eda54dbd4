#ifndef STATE_ATK_CLINCHATTACK_H
#define STATE_ATK_CLINCHATTACK_H

#include "match/MatchState.h"

// The attacker choosing a strike in the clinch.
class State_Atk_ClinchAttack : public MatchState
{
public:
    explicit State_Atk_ClinchAttack(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
};

#endif // STATE_ATK_CLINCHATTACK_H
