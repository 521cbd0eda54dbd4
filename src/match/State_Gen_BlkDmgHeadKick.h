#ifndef STATE_GEN_BLKDMGHEADKICK_H
#define STATE_GEN_BLKDMGHEADKICK_H

#include "BlockDamageState.h"

// A blocked high kick: the arms take it, against the other two head guard attributes.
class State_Gen_BlkDmgHeadKick : public BlockDamageState
{
public:
    explicit State_Gen_BlkDmgHeadKick(Entity_MatchFighter *fighter)
        : BlockDamageState(fighter, 44, 45, Arms)
    {
    }
};

#endif // STATE_GEN_BLKDMGHEADKICK_H
