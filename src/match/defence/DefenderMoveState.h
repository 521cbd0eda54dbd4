#ifndef DEFENDERMOVESTATE_H
#define DEFENDERMOVESTATE_H

#include "match/MatchState.h"

// The defender's attempt to stop the attacker's range change with a stop
// strike. The three movement states share this one algorithm; each is one
// row of the table in the source. Entering asks the attacker's range state
// for his value (code 24); the answer runs the stop attempt at once.
class DefenderMoveState : public MatchState
{
public:
    enum Move { MoveOut, MoveIn, MoveClinch, MoveCount };

    DefenderMoveState(Entity_MatchFighter *fighter, Move move);

    Move move() const { return defenderMove; }

    void enter(Entity_MatchFighter *fighter) override;
    // The stop attempt; ends by replacing this state.
    void execute(Entity_MatchFighter *fighter) override;
    // Only the answer to this move's range code counts.
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;

private:
    Move defenderMove;
};

#endif // DEFENDERMOVESTATE_H
