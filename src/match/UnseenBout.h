#ifndef UNSEENBOUT_H
#define UNSEENBOUT_H

#include <QString>
#include <memory>

#include "BoutScoring.h"
#include "CommentarySink.h"

class Fighter;

// What a whole bout leaves: how it ended, the cards, and the engine's
// result text and record lines with the decision named (their endings of
// organization, event and title are the caller's).
struct BoutResult
{
    bool stoppage = false;   // ended inside a step (knockout)
    int roundsFought = 0;
    int steps = 0;
    JudgeCards cards;
    BoutScoring::Tally judges{0, 0};
    QString decision;        // empty after a stoppage
    int winnerId = 0;
    int loserId = 0;
    QString resultText;
    QString winnerLine;
    QString loserLine;
};

// A bout fought through at once on the match engine: rounds of steps until
// the clock runs out, each round scored on the judges' cards, the tally
// after the third round and after every extension round up to round 10.
class UnseenBout
{
public:
    // Sets up the match (the sink may be null: nobody listens).
    static BoutResult fight(const Fighter &a, const Fighter &b,
                            std::unique_ptr<CommentarySink> sink = nullptr);
};

#endif // UNSEENBOUT_H
