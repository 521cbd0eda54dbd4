#ifndef BOUTRUNNER_H
#define BOUTRUNNER_H

#include <QString>
#include <memory>

#include "BoutScoring.h"
#include "CommentarySink.h"
#include "MatchEngine.h"

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
    int winnerId = 0;
    int loserId = 0;
    QString resultText;
    QString winnerLine;
    QString loserLine;
};

// One bout on the match engine, a step at a time: rounds until the clock
// runs out, each scored on the judges' cards, the tally after the third
// round and after every extension round up to round 10, the decision. The
// live screen and the unseen bouts only pace it: begin; startRound; step
// until a round ends, then tally if due, else startRound; startRound again
// after an extension round; a stoppage or a decision ends the bout.
class BoutRunner
{
public:
    enum class Happening {
        Step,            // the round goes on
        RoundEnded,      // the clock ran out; the round is on the cards
        Stoppage,        // the bout ended inside the step
        Decision,        // the judges' verdict, named in the result
        ExtensionRound,  // the judges saw a draw: another round is due
    };

    // Sets the match up on the engine (a null sink: nobody listens).
    void begin(const Fighter &a, const Fighter &b, std::unique_ptr<CommentarySink> sink = nullptr);
    void startRound();
    // One step of the engine, or once the judges have tallied their
    // verdict. Between rounds it is the caller's mistake: the program stops
    // saying so, where answering Step would have it wait for ever.
    Happening step();
    // After a round's end: the judges tally instead of another round.
    bool tallyDue() const;
    // Hands the winner by the cards to the engine; the next step names
    // the decision or calls an extension round.
    void tally();

    // The bout has ended, or its verdict is due.
    bool isOver() const { return phase == Phase::Tallied || phase == Phase::Over; }
    // Counted from 1; once a round ends it holds the next round's number.
    int round() const { return roundNumber; }
    // Left on the round clock after the last step; 180 between rounds.
    int secondsLeft() const { return seconds; }
    const JudgeCards &cards() const { return outcome.cards; }
    // Lets a test put the cards where it needs them; once the judges have
    // tallied, they tally the new cards and the engine hears that tally.
    void setCards(const JudgeCards &cards);
    // The cards so far; at the end, how the bout ended with its texts.
    const BoutResult &result() const { return outcome; }

private:
    enum class Phase { BetweenRounds, Fighting, RoundOver, Tallied, Over };

    Happening verdict();
    // Takes the engine's result texts.
    void end();

    Phase phase = Phase::BetweenRounds;
    int roundNumber = 1;
    int seconds = MatchEngine::RoundSeconds;
    BoutResult outcome;
};

#endif // BOUTRUNNER_H
