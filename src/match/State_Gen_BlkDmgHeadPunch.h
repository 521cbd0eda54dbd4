#ifndef STATE_GEN_BLKDMGHEADPUNCH_H
#define STATE_GEN_BLKDMGHEADPUNCH_H

#include "BlockDamageState.h"

// A blocked punch to the head: the arms take it, against two head guard attributes.
class State_Gen_BlkDmgHeadPunch : public BlockDamageState
{
public:
    explicit State_Gen_BlkDmgHeadPunch(Entity_MatchFighter *fighter)
        : BlockDamageState(fighter, 46, 47, Arms)
    {
    }
};

#endif // STATE_GEN_BLKDMGHEADPUNCH_H
