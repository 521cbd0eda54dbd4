#ifndef STATE_GEN_COUNTERDMG_H
#define STATE_GEN_COUNTERDMG_H

#include "ResultState.h"

// The striker whose strike was countered takes the counter on the head,
// then the next exchange decides who attacks.
class State_Gen_CounterDmg : public ResultState
{
public:
    explicit State_Gen_CounterDmg(Entity_MatchFighter *fighter);
    void execute(Entity_MatchFighter *fighter) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
};

#endif // STATE_GEN_COUNTERDMG_H
