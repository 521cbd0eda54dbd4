#ifndef STATE_DEF_DODGECLINCH_H
#define STATE_DEF_DODGECLINCH_H

#include "DefenceReactionState.h"

// Avoids an elbow or dirty boxing in the clinch.
class State_Def_DodgeClinch : public DefenceReactionState
{
public:
    explicit State_Def_DodgeClinch(Entity_MatchFighter *fighter) : DefenceReactionState(fighter, DodgeClinch) {}
};

#endif // STATE_DEF_DODGECLINCH_H
