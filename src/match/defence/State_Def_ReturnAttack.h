#ifndef STATE_DEF_RETURNATTACK_H
#define STATE_DEF_RETURNATTACK_H

#include "match/MatchState.h"

// The defender fires back instead of defending: no roll, no text, no
// statistics; the strike's value goes straight to the return-fire result.
class State_Def_ReturnAttack : public MatchState
{
public:
    explicit State_Def_ReturnAttack(Entity_MatchFighter *fighter);

    // Installs State_Gen_ReturnDmg.
    void execute(Entity_MatchFighter *fighter) override;
    // An attack announcement sends the defender back to his waiting state.
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    // Keeps the value and its code (as situation), then fires back.
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;
};

#endif // STATE_DEF_RETURNATTACK_H
