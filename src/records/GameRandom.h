#ifndef GAMERANDOM_H
#define GAMERANDOM_H

#include <QtGlobal>

// Every random number of the game goes through here. It gives qsrand/qrand's
// sequence (stepping the same generator itself, without qrand's per-thread
// lookup) and the two clock readings the game seeds from (the current time's
// milliseconds and the processor clock), so that tests can make those
// readings deterministic.
//
// The game's habit is to reseed often from the clock. A burst of n reseeds
// only ever leaves its last qsrand behind, so a burst is done as that one
// call, with one clock reading.
class GameRandom
{
public:
    // qsrand / qrand, one generator per thread.
    static void seed(unsigned int value);
    static inline int draw();
    // qrand() % n; a range of 0 or less gives 0 (the draw is still taken,
    // so the sequence keeps its count of draws).
    static inline int roll(int n);

    // The two clock readings.
    static int milliseconds();
    static int processorClock();

    // qsrand(milliseconds + offset).
    static void reseed(int offset = 0);
    // qsrand(milliseconds + processor clock + offset).
    static void reseedWithClock(int offset = 0);
    // A burst of `count` reseeds: nothing when count <= 0, else one reseed
    // (with or without the processor clock) that stands for the last one.
    static void reseedBurst(int count, int offset = 0, bool withClock = true);

    // Test seam: with deterministic readings on, milliseconds() and
    // processorClock() come from counters that advance at every read
    // (never constant, so successive seeds differ), restarted from `start`.
    static void setDeterministic(bool on, int start = 0);
    static bool isDeterministic();

private:
    // The generator behind qrand in the toolkit the game runs on: the
    // minimal standard linear congruence, x' = 48271 x mod (2^31 - 1), one
    // state per thread as qrand keeps it (an unseeded thread starts at 1).
    // A fight makes thousands of draws, so the step is inline.
    static constexpr quint64 Multiplier = 48271;
    static constexpr quint64 Modulus = 2147483647;
    static thread_local quint32 state;
};

inline int GameRandom::draw()
{
    // 2^31 is 1 modulo 2^31 - 1, so the high bits fold onto the low ones;
    // the state is never 0, so neither is the product's remainder.
    const quint64 product = Multiplier * state;
    quint64 folded = (product & Modulus) + (product >> 31);
    if (folded >= Modulus)
        folded -= Modulus;
    state = quint32(folded);
    return int(folded);
}

inline int GameRandom::roll(int n)
{
    const int value = draw();
    return n > 0 ? value % n : 0;
}

#endif // GAMERANDOM_H
