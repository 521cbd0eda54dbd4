#ifndef STATE_GEN_KD_H
#define STATE_GEN_KD_H

#include "ResultState.h"

// The fighter is down and the referee counts, one count per step while
// the fallen fighter holds the attacker's role.
class State_Gen_KD : public ResultState
{
public:
    explicit State_Gen_KD(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;

    int getCount() const { return count; }

private:
    int count;
};

#endif // STATE_GEN_KD_H
