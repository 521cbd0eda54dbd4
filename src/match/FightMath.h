#ifndef FIGHTMATH_H
#define FIGHTMATH_H

#include <QString>

#include "records/GameRandom.h"

// Small arithmetic and dice helpers shared by all fight code.
namespace FightMath {

// Every division in the fight code goes through here: attributes raised
// past 99 in the corner (or out-of-range records) can make a divisor 0,
// which is taken as 1. Negative divisors are used as they are.
inline int divisor(int value) { return value == 0 ? 1 : value; }
inline int divide(int numerator, int denominator) { return numerator / divisor(denominator); }

// Index of one of `count` texts: (roll(100) + 1) % count. Inline, like
// the next, so that a constant count divides without a division.
inline int pickIndex(int count)
{
    return (GameRandom::roll(100) + 1) % divisor(count);
}
// roll(range) + 1, negated when a second draw is odd.
inline int rollSignedByCoin(int range)
{
    const int value = GameRandom::roll(range) + 1;
    return GameRandom::draw() % 2 == 1 ? -value : value;
}
// roll(range) + 1, negated when the result itself is odd.
int rollSignedWhenOdd(int range);

// Position of a fight style in "Outfighter", "Infighter", "Clincher",
// "Puncher", "Kicker", "Brawler", "Tactician"; -1 for any other text.
int styleIndex(const QString &style);

} // namespace FightMath

#endif // FIGHTMATH_H
