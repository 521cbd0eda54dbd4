#ifndef UNSEENBOUT_H
#define UNSEENBOUT_H

#include <memory>

#include "BoutRunner.h"
#include "CommentarySink.h"

class Fighter;

// A bout fought through at once, with nobody pacing it: the runner goes
// from round to round and to the judges as soon as each is due.
class UnseenBout
{
public:
    // Sets up the match (the sink may be null: nobody listens).
    static BoutResult fight(const Fighter &a, const Fighter &b,
                            std::unique_ptr<CommentarySink> sink = nullptr);
};

#endif // UNSEENBOUT_H
