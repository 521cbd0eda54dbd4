#include "TestSupport.h"

#include "records/GameRandom.h"

DeterministicRandom::DeterministicRandom(int start, unsigned int seed)
{
    GameRandom::setDeterministic(true, start);
    GameRandom::seed(seed);
}

DeterministicRandom::~DeterministicRandom()
{
    GameRandom::setDeterministic(false);
}
