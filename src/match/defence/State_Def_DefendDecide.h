#ifndef STATE_DEF_DEFENDDECIDE_H
#define STATE_DEF_DEFENDDECIDE_H

#include "match/MatchState.h"

// The defender deciding how to meet an announced strike.
class State_Def_DefendDecide : public MatchState
{
public:
    explicit State_Def_DefendDecide(Entity_MatchFighter *fighter);
};

#endif // STATE_DEF_DEFENDDECIDE_H
