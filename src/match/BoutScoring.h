#ifndef BOUTSCORING_H
#define BOUTSCORING_H

#include <QString>
#include <QVector>

#include <array>

class Event;

// The three judges' running totals of one bout, judge 1, 2, 3; never reset
// within the bout, extension rounds included.
struct JudgeCards
{
    std::array<int, 3> totalsA{};
    std::array<int, 3> totalsB{};

    bool operator==(const JudgeCards &other) const
    {
        return totalsA == other.totalsA && totalsB == other.totalsB;
    }
};

// How a bout's judges, decision and standings are worked out, the same for
// a bout fought on screen and one fought unseen: the ten-point round
// marks, the count of judges, the decision's name or an extension round,
// the endings of the record lines and the standing exchange.
class BoutScoring
{
public:
    static const int Judges = 3;
    static const int RegularRounds = 3;
    // Extension rounds go on up to this round; a draw after it is a split.
    static const int LastRound = 10;

    enum Ending { Stoppage, Decision };

    // One judge's marks for one round.
    struct Marks
    {
        int a;
        int b;
    };
    // The judges' counts after a tally; a judge with equal totals counts
    // for neither.
    struct Tally
    {
        int forA;
        int forB;
    };
    // The verdict of a tally: the decision's name ("Unanimous Decision",
    // ...), or an extension round, when `decision` is empty.
    struct Outcome
    {
        bool extensionRound;
        QString decision;
    };

    // 10 for the judge's winner of the round, 9 for the other, 10 each when
    // the judge saw it even; every knockdown suffered costs one point, with
    // no lower bound.
    static Marks roundMarks(int pointsA, int pointsB, int knockdownsA, int knockdownsB);
    // Adds one round to the cards: `roundStatistics` is the engine's eight
    // values (A's points from judges 1-3, B's, A's and B's knockdowns).
    static void scoreRound(const QVector<int> &roundStatistics, JudgeCards &cards);
    static Tally tally(const JudgeCards &cards);
    // `roundNumber` is the bout's counter at the tally: the round just
    // fought plus one (4 after the third round). A drawn tally goes to an
    // extension round up to round 10 and is a split decision after it.
    static Outcome outcome(const Tally &tally, int roundNumber);

    // Puts the decision's name in place of the engine's "Decision" in its
    // result text ("... by Decision in ...") and in the two record lines
    // ("... - Decision - Rd. ..."), before the lines' endings are added.
    // Only the method is renamed, whatever the fighters are called.
    static void nameDecision(const QString &decision, QString &resultText,
                             QString &winnerLine, QString &loserLine);
    // What follows a record line's result: " - " + organization + ": " +
    // event name, then "|" + title on both lines of a championship match
    // and on the winner's line of a tournament final.
    static QString recordLineEnding(const Event &event, const QString &matchType, bool winner);
    // How far the two fighters' standings move: `gap` is the winner's
    // standing minus the loser's (a lower standing ranks better). Never
    // negative; the winner's standing falls by it, the loser's rises.
    static int exchange(int gap, Ending ending);
};

#endif // BOUTSCORING_H
