#ifndef STATE_ATK_OUT_H
#define STATE_ATK_OUT_H

#include "AttackerRangeState.h"

// The attacker at long range: moves into the pocket or attacks from the
// outside. Every exchange begins here.
class State_Atk_Out : public AttackerRangeState
{
public:
    explicit State_Atk_Out(Entity_MatchFighter *fighter);
};

#endif // STATE_ATK_OUT_H
