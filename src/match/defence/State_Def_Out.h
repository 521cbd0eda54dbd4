#ifndef STATE_DEF_OUT_H
#define STATE_DEF_OUT_H

#include "DefenderWaitingState.h"

// The defender waiting at long range; every fighter's first state.
class State_Def_Out : public DefenderWaitingState
{
public:
    explicit State_Def_Out(Entity_MatchFighter *fighter);
};

#endif // STATE_DEF_OUT_H
