#ifndef STATE_DEF_BLOCKCLINCH_H
#define STATE_DEF_BLOCKCLINCH_H

#include "DefenceReactionState.h"

// Blocks an elbow or dirty boxing in the clinch.
class State_Def_BlockClinch : public DefenceReactionState
{
public:
    explicit State_Def_BlockClinch(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, BlockClinch) {}
};

#endif // STATE_DEF_BLOCKCLINCH_H
