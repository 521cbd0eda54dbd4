#ifndef STATE_GEN_BLKDMGBODY_H
#define STATE_GEN_BLKDMGBODY_H

#include "BlockDamageState.h"

// A blocked body strike: the arms take it, against the body guard attributes.
class State_Gen_BlkDmgBody : public BlockDamageState
{
public:
    explicit State_Gen_BlkDmgBody(Entity_MatchFighter *fighter)
        : BlockDamageState(fighter, 50, 51, Arms)
    {
    }
};

#endif // STATE_GEN_BLKDMGBODY_H
