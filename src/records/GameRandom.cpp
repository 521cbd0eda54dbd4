#include "GameRandom.h"

#include <QDateTime>
#include <QtGlobal>
#include <ctime>
#include <random>

namespace {
bool deterministic = false;
int millisecondCounter = 0;
int clockCounter = 0;

// The generator behind qrand in the toolkit the game runs on (the minimal
// standard linear congruence), one per thread as qrand keeps it; a thread
// that never seeded starts as a default one, as qrand does. Stepped here,
// a draw skips qrand's per-thread lookup; a test holds it to qrand's
// sequence.
thread_local std::minstd_rand generator;

// Microseconds since the first reading: the unit and range of std::clock()
// from a clock that is read without a system call.
int monotonicMicroseconds()
{
    const auto now = [] {
        timespec reading;
        clock_gettime(CLOCK_MONOTONIC, &reading);
        return qint64(reading.tv_sec) * 1000000 + reading.tv_nsec / 1000;
    };
    static const qint64 start = now();
    return int(now() - start);
}
}

void GameRandom::seed(unsigned int value)
{
    generator.seed(value);
}

int GameRandom::draw()
{
    return int(generator());
}

int GameRandom::roll(int n)
{
    const int value = draw();
    return n > 0 ? value % n : 0;
}

int GameRandom::milliseconds()
{
    if (deterministic) {
        millisecondCounter = (millisecondCounter + 7) % 1000;
        return millisecondCounter;
    }
    return int(QDateTime::currentMSecsSinceEpoch() % 1000);
}

int GameRandom::processorClock()
{
    if (deterministic)
        return clockCounter += 10;
    return monotonicMicroseconds();
}

void GameRandom::reseed(int offset)
{
    seed(unsigned(milliseconds() + offset));
}

void GameRandom::reseedWithClock(int offset)
{
    const int ms = milliseconds();
    seed(unsigned(ms + processorClock() + offset));
}

void GameRandom::reseedBurst(int count, int offset, bool withClock)
{
    if (count <= 0)
        return;
    if (withClock)
        reseedWithClock(offset);
    else
        reseed(offset);
}

void GameRandom::setDeterministic(bool on, int start)
{
    deterministic = on;
    millisecondCounter = start % 1000;
    clockCounter = start;
}

bool GameRandom::isDeterministic()
{
    return deterministic;
}
