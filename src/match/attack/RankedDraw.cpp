#include "RankedDraw.h"

#include "records/GameRandom.h"


namespace {

// Insertion sort that only moves a value past a strictly greater one, so
// equal scores keep their relative order.
QVector<int> sortedAscending(QVector<int> values)
{
    for (int i = 1; i < values.size(); ++i) {
        const int key = values[i];
        int j = i;
        while (j > 0 && values[j - 1] > key) {
            values[j] = values[j - 1];
            --j;
        }
        values[j] = key;
    }
    return values;
}

} // namespace

QVector<int> rankedDrawVector(const QVector<int> &scores, const QVector<int> &appendOrder)
{
    const QVector<int> sorted = sortedAscending(scores);
    QVector<int> entries;
    entries.reserve(appendOrder.size());
    for (int rank : appendOrder) {
        // The append orders are fixed tables; a rank outside the scores
        // would be a table fault, and is skipped rather than read past.
        if (rank >= 0 && rank < sorted.size())
            entries.append(sorted[rank]);
    }
    return entries;
}

namespace {

// The entry of the draw vector at `position`, as a rank; -1 past its end.
// Ranks outside the scores hold no entry, as in the vector itself.
int rankAt(const QVector<int> &appendOrder, int scoreCount, int position)
{
    int entry = 0;
    for (const int rank : appendOrder) {
        // One unsigned compare: a negative rank is out of range too.
        if (unsigned(rank) >= unsigned(scoreCount))
            continue;
        if (entry == position)
            return rank;
        ++entry;
    }
    return -1;
}

// Whether scores[i] is the score of `rank` (0: the lowest) among all of
// them: fewer than rank + 1 scores lie below it and more than rank lie at
// or below it. Counting beats sorting for a handful of options.
bool holdsRank(const int *scores, int count, int i, int rank)
{
    int below = 0;
    int atOrBelow = 0;
    for (int j = 0; j < count; ++j) {
        below += scores[j] < scores[i];
        atOrBelow += scores[j] <= scores[i];
    }
    return below <= rank && rank < atOrBelow;
}

// The first option in option order that holds the rank's score. The top
// rank, the one the append orders favour, is the first highest score, and
// the bottom one the first lowest: one pass each.
int firstHolding(const int *scores, int count, int rank)
{
    if (rank == count - 1 || rank == 0) {
        const bool highest = rank == count - 1;
        int best = 0;
        for (int i = 1; i < count; ++i) {
            if (highest ? scores[i] > scores[best] : scores[i] < scores[best])
                best = i;
        }
        return best;
    }
    for (int i = 0; i < count; ++i) {
        if (holdsRank(scores, count, i, rank))
            return i;
    }
    return 0;
}

} // namespace

RankedChoice rankedChoiceAt(const int *scores, int count, const QVector<int> &appendOrder,
                            int position)
{
    RankedChoice choice;
    choice.position = position;
    const int rank = position < 0 ? -1 : rankAt(appendOrder, count, position);
    if (rank < 0)
        return choice;
    choice.option = firstHolding(scores, count, rank);
    return choice;
}

RankedChoice rankedDraw(const int *scores, int count, const QVector<int> &appendOrder)
{
    const int position = GameRandom::roll(appendOrder.size());
    return rankedChoiceAt(scores, count, appendOrder, position);
}
