#ifndef STATE_GEN_FULLDMG_H
#define STATE_GEN_FULLDMG_H

#include "ResultState.h"

// The defender takes a strike in full: toughness roll, damage to head, body
// or legs, stamina, then a knockdown, a knockout or perhaps a hurt mindset.
class State_Gen_FullDmg : public ResultState
{
public:
    explicit State_Gen_FullDmg(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
};

#endif // STATE_GEN_FULLDMG_H
