#ifndef BLOCKDAMAGESTATE_H
#define BLOCKDAMAGESTATE_H

#include "ResultState.h"

// A successful block still costs: the strike lands on the guard. One
// implementation for the five kinds of block, each with its two guard
// attributes and the pool it damages.
class BlockDamageState : public ResultState
{
public:
    enum Pool { Arms, Legs };

    BlockDamageState(Entity_MatchFighter *fighter, int guardIndexA, int guardIndexB, Pool pool);
    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;

private:
    int guardIndexA;
    int guardIndexB;
    Pool pool;
};

#endif // BLOCKDAMAGESTATE_H
