#ifndef BOUTDRIVER_H
#define BOUTDRIVER_H

#include <QString>
#include <QVector>
#include <memory>

#include "match/BoutScoring.h"
#include "match/CommentarySink.h"
#include "records/Fighter.h"

// Runs whole bouts on the match engine the way the unseen simulation does:
// three rounds of steps until the clock runs out, each round scored on the
// three judges' cards (10-point must, a point off per knockdown), then the
// decision by the number of judges each fighter won. Extension rounds
// after an undecided card belong to the screens and are not run here.
class BoutDriver
{
public:
    static const int Rounds = 3;

    struct Result {
        bool stoppage = false;   // ended inside a step (knockout)
        int roundsFought = 0;
        int steps = 0;
        BoutScoring::Tally judges{0, 0};
        JudgeCards cards;
    };

    // A fighter with the given 95 whole numbers, or with every one of them
    // (age 25 aside) at `value`.
    static Fighter makeFighter(const QString &lastName, const QString &style,
                               const QVector<int> &ints);
    static Fighter makeFighter(const QString &lastName, const QString &style, int value);

    // Sets up the match (the sink may be null) and fights it to the end.
    static Result fight(const Fighter &a, const Fighter &b,
                        std::unique_ptr<CommentarySink> sink = nullptr);
};

#endif // BOUTDRIVER_H
