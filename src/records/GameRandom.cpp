#include "GameRandom.h"

#include <QDateTime>
#include <QtGlobal>
#include <ctime>

namespace {
bool deterministic = false;
int millisecondCounter = 0;
int clockCounter = 0;
}

// qsrand and qrand are deprecated in Qt 5.15; the game keeps them on
// purpose (its rolls are defined on them), and this is the only file that
// calls them.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

void GameRandom::seed(unsigned int value)
{
    qsrand(value);
}

int GameRandom::draw()
{
    return qrand();
}

QT_WARNING_POP

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
    return int(std::clock());
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
