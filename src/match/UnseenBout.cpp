#include "UnseenBout.h"

BoutResult UnseenBout::fight(const Fighter &a, const Fighter &b, std::unique_ptr<CommentarySink> sink)
{
    BoutRunner bout;
    bout.begin(a, b, std::move(sink));
    bout.startRound();
    for (;;) {
        switch (bout.step()) {
        case BoutRunner::Happening::Step:
            break;
        case BoutRunner::Happening::RoundEnded:
            if (bout.tallyDue())
                bout.tally();
            else
                bout.startRound();
            break;
        case BoutRunner::Happening::ExtensionRound:
            bout.startRound();
            break;
        case BoutRunner::Happening::Stoppage:
        case BoutRunner::Happening::Decision:
            return bout.result();
        }
    }
}
