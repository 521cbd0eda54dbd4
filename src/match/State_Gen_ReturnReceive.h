#ifndef STATE_GEN_RETURNRECEIVE_H
#define STATE_GEN_RETURNRECEIVE_H

#include "ResultState.h"

// The striker hit by return fire: in his next step he takes it on the
// head and the exchange goes on or ends.
class State_Gen_ReturnReceive : public ResultState
{
public:
    explicit State_Gen_ReturnReceive(Entity_MatchFighter *fighter);
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
};

#endif // STATE_GEN_RETURNRECEIVE_H
