#ifndef STATE_GEN_COUNTERATK_H
#define STATE_GEN_COUNTERATK_H

#include "ResultState.h"

// The defender countered: announced now, thrown in the next step (by
// range and style) at the striker's State_Gen_CounterDmg.
class State_Gen_CounterAtk : public ResultState
{
public:
    explicit State_Gen_CounterAtk(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
};

#endif // STATE_GEN_COUNTERATK_H
