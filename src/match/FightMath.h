#ifndef FIGHTMATH_H
#define FIGHTMATH_H

#include <QString>

// Small arithmetic and dice helpers shared by all fight code.
namespace FightMath {

// Every division in the fight code goes through here: attributes raised
// past 99 in the corner (or out-of-range records) can make a divisor 0,
// which is taken as 1. Negative divisors are used as they are.
inline int divisor(int value) { return value == 0 ? 1 : value; }
inline int divide(int numerator, int denominator) { return numerator / divisor(denominator); }

// Index of one of `count` texts: (roll(100) + 1) % count.
int pickIndex(int count);
// roll(range) + 1, negated when a second draw is odd.
int rollSignedByCoin(int range);
// roll(range) + 1, negated when the result itself is odd.
int rollSignedWhenOdd(int range);

// Position of a fight style in "Outfighter", "Infighter", "Clincher",
// "Puncher", "Kicker", "Brawler", "Tactician"; -1 for any other text.
int styleIndex(const QString &style);

} // namespace FightMath

#endif // FIGHTMATH_H
