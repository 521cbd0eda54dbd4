#ifndef STATE_GEN_KO_H
#define STATE_GEN_KO_H

#include "ResultState.h"

// The fighter is knocked out: the match ends at once.
class State_Gen_KO : public ResultState
{
public:
    explicit State_Gen_KO(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
};

#endif // STATE_GEN_KO_H
