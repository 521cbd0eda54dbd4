#ifndef STRIKESTATE_H
#define STRIKESTATE_H

#include "match/MatchState.h"

struct StrikeRow;

// The attacker while one blow is thrown. The twelve strike classes are
// this state with their own row of the strike table.
//
// enter announces the strike; the next step throws it (an accuracy the
// defence must beat, a power kept as the action value); onMessage answers
// the defender's result: damage, judges' points, statistics, stamina, and
// then the next strike of the exchange, the end of the exchange, or the
// counter and return-fire states.
class StrikeState : public MatchState
{
public:
    StrikeState(Entity_MatchFighter *fighter, int strikeCode);

    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;

    int strikeCode() const;

private:
    struct Throw { int accuracy; int power; };
    Throw rollThrow(int fatigueLevel) const;
    int staminaCost() const;

    const StrikeRow *strike;
};

#endif // STRIKESTATE_H
