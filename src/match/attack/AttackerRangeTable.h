#ifndef ATTACKERRANGETABLE_H
#define ATTACKERRANGETABLE_H

#include <QMap>
#include <QVector>

#include "CommentaryLine.h"
#include "StateFactory.h"

// One score of a range state's choice:
// (constant + the plus attributes - the minus attributes + 2 x the named
// rolls) / divisor, where the divisor is A / 10 + 1, or (100 - A) / 10 + 1
// when it grows with the attribute's gap to 100. Attribute fields are
// indices into the fighter's vector; roll 0 is the opening roll r0.
struct RangeScore
{
    int constant;
    QVector<int> plus;
    QVector<int> minus;
    QVector<int> rolls;
    int divisorIndex;
    bool divisorFromGap;
};

// A bonus of the mindset or fatigue roll to one score: sign x the roll,
// and for some mindsets a further R(10) on top.
struct ScoreBonus
{
    static const int NoOption = -1;
    int option;
    int sign;
    bool extraRoll;
};

// How one group of fight styles scores a range's options.
struct RangeStyle
{
    int rolls;                          // r1 .. rN after the opening roll
    QVector<RangeScore> scores;         // in option order
    QMap<int, ScoreBonus> mindsetBonus; // by the fighter's live mindset
    bool fatigueRoll;                   // whether the f roll is drawn at all
    QMap<int, ScoreBonus> fatigueBonus; // by the fighter's live fatigue level
};

// One move a range state can choose: the state it installs and the five
// lines that tell it.
struct RangeMove
{
    StateFactory next;
    CommentaryLine lines[5];
};

// The answer to the defender's movement pushing or pulling the attacker to
// another range: the code that tells it, the state to go to, three lines.
struct RangeAnswer
{
    int code;
    StateFactory next;
    CommentaryLine lines[3];
};

// Everything that sets one attacker range state apart.
struct RangeDescription
{
    // Announced on entering, set as the situation, and the code under
    // which the action value answers the defender's movement.
    int rangeCode;
    QVector<RangeMove> moves;           // option order
    QVector<int> appendOrder;
    // Whether each score is divided by its own R(5) + 1 before the draw.
    bool dividesScores;
    // Scoring table by style index 0..6; any other style uses the last.
    QVector<int> styleTable;
    QVector<RangeStyle> styles;
    QVector<RangeAnswer> answers;

    const RangeStyle &styleFor(int styleIndex) const;
};

namespace AttackerRangeTable {

const RangeDescription &out();
const RangeDescription &in();
const RangeDescription &clinch();

} // namespace AttackerRangeTable

#endif // ATTACKERRANGETABLE_H
