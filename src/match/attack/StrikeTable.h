#ifndef STRIKETABLE_H
#define STRIKETABLE_H

#include "StateFactory.h"

// What sets the twelve strikes apart, one row each, in strike-code order
// (9 Jab .. 20 BodyPunch). Attribute fields are indices into the fighter's
// vector of 95 numbers.
struct StrikeRow
{
    int code;
    const char *name;
    // The strike's own three attributes; b is also what its stamina cost
    // is worked out from.
    int a, b, c;
    // x and y join a in the accuracy sum; d shrinks the accuracy divisor,
    // e the power divisor.
    int x, y, d, e;
    void (Entity_MatchFighter::*addStats)(int landed, int thrown);
    StateFactory create;
};

namespace StrikeTable {

// The row of a strike code; null for any other code.
const StrikeRow *row(int code);
// A new strike state for a strike code; null for any other code.
Entity_MatchFighter::FightState *create(int code, Entity_MatchFighter *fighter);

} // namespace StrikeTable

#endif // STRIKETABLE_H
