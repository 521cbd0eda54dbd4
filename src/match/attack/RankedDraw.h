#ifndef RANKEDDRAW_H
#define RANKEDDRAW_H

#include <QVarLengthArray>
#include <QVector>

// The fighters' way of choosing between scored options. The options are
// ranked by score; every rank owns a fixed number of entries in a draw
// vector (how often it appears in the caller's append order) and one entry
// is drawn. Only the order of the scores counts, never their distance, and
// a tie goes to the option that comes first in the caller's option order.
struct RankedChoice
{
    int option = 0;    // position in the caller's option order
    int position = 0;  // drawn position in the draw vector
};

// The scores of one decision, in option order. No decision has more than
// a handful of options and one is made at nearly every step, so they stay
// on the stack.
using Scores = QVarLengthArray<int, 16>;

// The score values of the draw vector: the scores sorted ascending (equal
// values keep their order), then one entry per append-order rank.
QVector<int> rankedDrawVector(const QVector<int> &scores, const QVector<int> &appendOrder);

// The choice that a given draw position stands for: the first option, in
// option order, whose score equals the vector's entry there.
RankedChoice rankedChoiceAt(const int *scores, int count, const QVector<int> &appendOrder,
                            int position);

// One ranked draw: exactly one GameRandom::roll(appendOrder.size()).
RankedChoice rankedDraw(const int *scores, int count, const QVector<int> &appendOrder);

// The same for any list of scores (Scores, QVector<int>).
template <class ScoreList>
RankedChoice rankedChoiceAt(const ScoreList &scores, const QVector<int> &appendOrder, int position)
{
    return rankedChoiceAt(scores.constData(), int(scores.size()), appendOrder, position);
}

template <class ScoreList>
RankedChoice rankedDraw(const ScoreList &scores, const QVector<int> &appendOrder)
{
    return rankedDraw(scores.constData(), int(scores.size()), appendOrder);
}

#endif // RANKEDDRAW_H
