#ifndef STATE_DEF_DEFENDDECIDE_H
#define STATE_DEF_DEFENDDECIDE_H

#include "match/MatchState.h"

// The defender between an attack announcement and the strike: on the
// strike's code he chooses block, counter, dodge or return fire by four
// scores and a ranked draw, and installs the reaction for that code.
class State_Def_DefendDecide : public MatchState
{
public:
    enum Defence { Block, Counter, Dodge, Return, DefenceCount };

    explicit State_Def_DefendDecide(Entity_MatchFighter *fighter);

    // Keeps the strike code (any code) and decides at once.
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    // The decision; ends by replacing this state.
    void execute(Entity_MatchFighter *fighter) override;
};

#endif // STATE_DEF_DEFENDDECIDE_H
