#ifndef GAMERANDOM_H
#define GAMERANDOM_H

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
    static int draw();
    // qrand() % n; a range of 0 or less gives 0 (the draw is still taken,
    // so the sequence keeps its count of draws).
    static int roll(int n);

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
};

#endif // GAMERANDOM_H
