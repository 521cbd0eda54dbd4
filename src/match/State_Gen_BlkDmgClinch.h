#ifndef STATE_GEN_BLKDMGCLINCH_H
#define STATE_GEN_BLKDMGCLINCH_H

#include "BlockDamageState.h"

// A blocked clinch strike: the arms take it, against the dirty boxing defence attributes.
class State_Gen_BlkDmgClinch : public BlockDamageState
{
public:
    explicit State_Gen_BlkDmgClinch(Entity_MatchFighter *fighter)
        : BlockDamageState(fighter, 52, 53, Arms)
    {
    }
};

#endif // STATE_GEN_BLKDMGCLINCH_H
