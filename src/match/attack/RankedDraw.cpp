#include "RankedDraw.h"

#include "records/GameRandom.h"

#include <QVarLengthArray>

#include <algorithm>

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
    for (int rank : appendOrder) {
        if (rank < 0 || rank >= scoreCount)
            continue;
        if (entry == position)
            return rank;
        ++entry;
    }
    return -1;
}

// The score of a rank (0: the lowest), sorted on the stack: a choice is
// made at nearly every step.
int scoreOfRank(const QVector<int> &scores, int rank)
{
    QVarLengthArray<int, 16> sorted(scores.constBegin(), scores.constEnd());
    std::nth_element(sorted.begin(), sorted.begin() + rank, sorted.end());
    return sorted[rank];
}

} // namespace

RankedChoice rankedChoiceAt(const QVector<int> &scores, const QVector<int> &appendOrder,
                            int position)
{
    RankedChoice choice;
    choice.position = position;
    const int rank = position < 0 ? -1 : rankAt(appendOrder, scores.size(), position);
    if (rank < 0)
        return choice;
    choice.option = int(scores.indexOf(scoreOfRank(scores, rank)));
    return choice;
}

RankedChoice rankedDraw(const QVector<int> &scores, const QVector<int> &appendOrder)
{
    const int position = GameRandom::roll(appendOrder.size());
    return rankedChoiceAt(scores, appendOrder, position);
}
