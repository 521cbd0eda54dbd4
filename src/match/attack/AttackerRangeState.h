#ifndef ATTACKERRANGESTATE_H
#define ATTACKERRANGESTATE_H

#include "RankedDraw.h"
#include "StateFactory.h"
#include "match/MatchState.h"

struct CommentaryLine;
struct RangeDescription;
struct RangeStyle;

// The attacker standing at one range (long range, the pocket, the
// clinch). enter tells the defender where he is; each step scores the
// range's moves by his style, mindset and fatigue and picks one by a
// ranked draw, telling it in the commentary. While the state is current it
// answers the defender's movement: his action value on code 24, and a
// forced change of range on the codes of the range's answers. A value with
// code 24 is a stop strike to his head. The three range classes are this
// state with their range's description.
class AttackerRangeState : public MatchState
{
public:
    AttackerRangeState(Entity_MatchFighter *fighter, const RangeDescription &range);

    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;

    // A hurt fighter (mindset 5 or 6) may calm down: three R(100) whose sum
    // is below his composure threshold return him to balanced.
    static void calmDownRoll(Entity_MatchFighter *fighter, int threshold);

    // The rolls of one choice, in draw order: the opening roll and the
    // style's move rolls, the mindset roll, the R(10) of a mindset bonus
    // that asks for it, the fatigue roll, and each score's own divisor.
    struct Rolls
    {
        Scores moves;
        int mindset = 0;
        int extra = 0;
        int fatigue = 0;
        Scores splits;
    };
    static Rolls drawRolls(const RangeDescription &range, const RangeStyle &style, int mindset);
    // The move scores, in option order, from the fighter's attribute
    // vector, his live mindset and fatigue level, and the rolls.
    static Scores scoreMoves(const RangeStyle &style,
                                   const QVector<int> &attributes, int mindset,
                                   int fatigueLevel, const Rolls &rolls);

private:
    int calmDownThreshold() const;
    // Appends the line, hands the fighter's commentary to the engine and
    // installs the next state.
    static void handOver(Entity_MatchFighter *fighter, const CommentaryLine &line, StateFactory next);

    const RangeDescription &range;
};

#endif // ATTACKERRANGESTATE_H
