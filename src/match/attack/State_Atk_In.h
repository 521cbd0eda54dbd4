#ifndef STATE_ATK_IN_H
#define STATE_ATK_IN_H

#include "AttackerRangeState.h"

// The attacker in the pocket: steps back out, goes for the clinch or attacks.
class State_Atk_In : public AttackerRangeState
{
public:
    explicit State_Atk_In(Entity_MatchFighter *fighter);
};

#endif // STATE_ATK_IN_H
