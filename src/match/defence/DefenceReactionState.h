#ifndef DEFENCEREACTIONSTATE_H
#define DEFENCEREACTIONSTATE_H

#include "match/MatchState.h"

// The eleven rolled defence reactions (blocks, dodges, counters) share this
// one algorithm: a defence score from two stages of attributes and rolls,
// cut by a steadiness divisor, then one entry drawn from a 12-entry vector
// of that score and zeros, compared with the incoming accuracy. Each
// reaction is one row of the table in the source; the thin State_Def_*
// classes only pick their row.
class DefenceReactionState : public MatchState
{
public:
    enum Kind {
        BlockHighPunch,
        BlockHighKick,
        BlockMid,
        BlockLow,
        BlockClinch,
        DodgeHigh,
        DodgeMid,
        DodgeLow,
        DodgeClinch,
        CounterHigh,
        CounterMid,
        KindCount
    };

    DefenceReactionState(Entity_MatchFighter *fighter, Kind kind);

    Kind kind() const { return reactionKind; }

    // Stores the accuracy (whatever the code) and rolls the defence.
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
    // The defence roll; ends by replacing this state.
    void execute(Entity_MatchFighter *fighter) override;
    // An attack announcement before the strike sends the defender back to
    // his waiting state for that range.
    void onMessage(Entity_MatchFighter *fighter, int code) override;

private:
    Kind reactionKind;
};

#endif // DEFENCEREACTIONSTATE_H
