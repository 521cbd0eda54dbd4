#ifndef DEFENDERWAITINGSTATE_H
#define DEFENDERWAITINGSTATE_H

#include "match/MatchState.h"

// The defender waiting at one range: long range, the pocket or the clinch.
// The three waiting states share this one algorithm; each range is one row
// of the table in the source. Entering writes a movement line; an attack
// announcement for this range hands over to the defence decision; a range
// change of the attacker is answered by following him or by trying to
// stop him with a movement state.
class DefenderWaitingState : public MatchState
{
public:
    enum Range { LongRange, Pocket, Clinch, RangeCount };

    DefenderWaitingState(Entity_MatchFighter *fighter, Range range);

    Range range() const { return waitingRange; }

    // Sets the range's situation and writes a movement line.
    void enter(Entity_MatchFighter *fighter) override;
    // The answer to the attacker's range change: follow or stop.
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;

    // Codes 6, 7 and 8 (an attack coming at long range, in the pocket, in
    // the clinch) install the waiting state of that range with its enter.
    // Returns false, and does nothing, for any other code.
    static bool installForAttackCode(Entity_MatchFighter *fighter, int code);

private:
    Range waitingRange;
};

#endif // DEFENDERWAITINGSTATE_H
