#ifndef STATE_ATK_OUT_H
#define STATE_ATK_OUT_H

#include "match/MatchState.h"

// The attacker at long range.
class State_Atk_Out : public MatchState
{
public:
    explicit State_Atk_Out(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
};

#endif // STATE_ATK_OUT_H
