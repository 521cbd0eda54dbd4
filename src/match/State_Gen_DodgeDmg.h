#ifndef STATE_GEN_DODGEDMG_H
#define STATE_GEN_DODGEDMG_H

#include "ResultState.h"

// The defender dodged: he presses on and takes over the attack, or lets
// the attacker carry on.
class State_Gen_DodgeDmg : public ResultState
{
public:
    explicit State_Gen_DodgeDmg(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
};

#endif // STATE_GEN_DODGEDMG_H
