#include "UnseenBout.h"

#include "MatchEngine.h"

namespace {

// Steps until the round's clock runs out; true when a step ended the bout.
bool fightRound(MatchEngine &engine, BoutResult &result)
{
    ++result.roundsFought;
    for (;;) {
        ++result.steps;
        if (engine.step())
            return true;
        if (engine.tickClock() < 1)
            return false;
    }
}

void nextRound(MatchEngine &engine)
{
    engine.startNextRound();
    engine.startRound();
}

} // namespace

BoutResult UnseenBout::fight(const Fighter &a, const Fighter &b, std::unique_ptr<CommentarySink> sink)
{
    MatchEngine &engine = MatchEngine::Instance();
    engine.setupMatch(a, b, std::move(sink));
    engine.startRound();
    BoutResult result;
    // The round counter runs one ahead: the round just fought plus one.
    int roundNumber = 1;
    for (;;) {
        if (fightRound(engine, result)) {
            result.stoppage = true;
            break;
        }
        ++roundNumber;
        BoutScoring::scoreRound(engine.getRoundStatistics(), result.cards);
        if (roundNumber <= BoutScoring::RegularRounds) {
            nextRound(engine);
            continue;
        }
        result.judges = BoutScoring::tally(result.cards);
        engine.decideByScore(result.judges.forA, result.judges.forB);
        const BoutScoring::Outcome outcome = BoutScoring::outcome(result.judges, roundNumber);
        if (!outcome.extensionRound) {
            result.decision = outcome.decision;
            break;
        }
        nextRound(engine);
    }
    result.resultText = engine.getResultText(&result.winnerId, &result.winnerLine,
                                             &result.loserId, &result.loserLine);
    if (!result.stoppage)
        BoutScoring::nameDecision(result.decision, result.resultText, result.winnerLine, result.loserLine);
    return result;
}
