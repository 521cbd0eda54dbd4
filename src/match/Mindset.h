#ifndef MINDSET_H
#define MINDSET_H

// A fighter's current approach in the ring; a plain int on the fighter.
// 3 and 4 are never set.
namespace Mindset {
enum Value {
    Balanced = 0,
    Cautious = 1,
    CoveringUp = 2,
    Dazed = 5,
    CaughtOffGuard = 6,
    Aggressive = 7,
    HuntingKnockout = 8,
    FightingOutside = 9,
    FightingInside = 10,
    Clinching = 11
};
} // namespace Mindset

#endif // MINDSET_H
