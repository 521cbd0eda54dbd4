#ifndef STATE_ATK_CLINCH_H
#define STATE_ATK_CLINCH_H

#include "AttackerRangeState.h"

// The attacker holding the defender in the clinch: leaves it for the pocket
// or attacks in it.
class State_Atk_Clinch : public AttackerRangeState
{
public:
    explicit State_Atk_Clinch(Entity_MatchFighter *fighter);
};

#endif // STATE_ATK_CLINCH_H
