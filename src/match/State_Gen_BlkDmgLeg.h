#ifndef STATE_GEN_BLKDMGLEG_H
#define STATE_GEN_BLKDMGLEG_H

#include "BlockDamageState.h"

// A checked low kick: the legs take it, against the leg guard attributes.
class State_Gen_BlkDmgLeg : public BlockDamageState
{
public:
    explicit State_Gen_BlkDmgLeg(Entity_MatchFighter *fighter)
        : BlockDamageState(fighter, 48, 49, Legs)
    {
    }
};

#endif // STATE_GEN_BLKDMGLEG_H
