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

RankedChoice rankedChoiceAt(const QVector<int> &scores, const QVector<int> &appendOrder,
                            int position)
{
    RankedChoice choice;
    choice.position = position;
    const QVector<int> entries = rankedDrawVector(scores, appendOrder);
    if (position < 0 || position >= entries.size())
        return choice;
    const int drawn = entries[position];
    choice.option = int(scores.indexOf(drawn));
    return choice;
}

RankedChoice rankedDraw(const QVector<int> &scores, const QVector<int> &appendOrder)
{
    const int position = GameRandom::roll(appendOrder.size());
    return rankedChoiceAt(scores, appendOrder, position);
}
