#ifndef STATE_GEN_RETURNDMG_H
#define STATE_GEN_RETURNDMG_H

#include "ResultState.h"

// The defender returns fire: he takes the strike in full and, still
// standing, throws one of his own back at the striker.
class State_Gen_ReturnDmg : public ResultState
{
public:
    explicit State_Gen_ReturnDmg(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
};

#endif // STATE_GEN_RETURNDMG_H
