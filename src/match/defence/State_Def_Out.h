#ifndef STATE_DEF_OUT_H
#define STATE_DEF_OUT_H

#include "match/MatchState.h"

// The defender waiting at long range; every fighter's first state.
class State_Def_Out : public MatchState
{
public:
    explicit State_Def_Out(Entity_MatchFighter *fighter);
    void enter(Entity_MatchFighter *fighter) override;
};

#endif // STATE_DEF_OUT_H
