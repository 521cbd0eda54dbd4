#include "GameRandom.h"

#include <QDateTime>
#include <QtGlobal>
#include <ctime>

namespace {
bool deterministic = false;
int millisecondCounter = 0;
int clockCounter = 0;

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

thread_local quint32 GameRandom::state = 1;

void GameRandom::seed(unsigned int value)
{
    // As the standard engine seeds: a seed that is a multiple of the
    // modulus would stick the sequence at 0, so it starts at 1 instead.
    const quint32 start = quint32(value % Modulus);
    state = start == 0 ? 1 : start;
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
