#ifndef RESULTSTATE_H
#define RESULTSTATE_H

#include "MatchState.h"

// Common ground of the result states (State_Gen_*): the answer to the
// attacker's next move while they wait on the defender's side, the hurt
// roll and the hand-overs to the knockdown and knockout states.
class ResultState : public MatchState
{
public:
    explicit ResultState(Entity_MatchFighter *fighter);

    // 6, 7, 8: situation 1, 0, 2 and a new State_Def_DefendDecide;
    // 1: a new State_Def_Out; anything else is ignored.
    void onMessage(Entity_MatchFighter *fighter, int code) override;

    // One line of commentary: a lead-in, the fighter's full or last name
    // and a text.
    struct NamedLine {
        const char *lead;
        bool fullName;
        const char *text;
    };

protected:
    // A hit of `damage` may leave the fighter caught off guard.
    void hurtRoll(Entity_MatchFighter *fighter, int damage) const;

    // The hand-overs replace the running state: call them last.
    static void knockdownHandOver(Entity_MatchFighter *fighter);
    static void knockoutHandOver(Entity_MatchFighter *fighter);
    // Knockdown or knockout hand-over by a damage result; false when the
    // fighter is still standing.
    static bool handOverFallen(Entity_MatchFighter *fighter, int damageResult);

    // Appends one of `count` lines (index (roll(100) + 1) % count). The
    // pick is drawn even when nobody hears the fighter; the text is not built.
    static void commentOneOf(Entity_MatchFighter *fighter, const NamedLine *lines, int count);
    // Appends the last name and one of five texts, as above.
    static void commentOneOf(Entity_MatchFighter *fighter, const char *const texts[5]);
    // Head strikes (jab, hook, cross, uppercut, high kick, elbow).
    static bool isHeadStrike(int code);
};

#endif // RESULTSTATE_H
