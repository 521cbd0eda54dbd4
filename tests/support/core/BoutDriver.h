#ifndef BOUTDRIVER_H
#define BOUTDRIVER_H

#include <QString>
#include <QVector>
#include <memory>

#include "match/CommentarySink.h"
#include "match/UnseenBout.h"
#include "records/Fighter.h"

// Fighters for the engine tests, and whole bouts fought as the unseen
// simulation fights them (extension rounds included).
class BoutDriver
{
public:
    using Result = BoutResult;

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
