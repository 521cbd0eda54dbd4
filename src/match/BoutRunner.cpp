#include "BoutRunner.h"

void BoutRunner::begin(const Fighter &a, const Fighter &b, std::unique_ptr<CommentarySink> sink)
{
    MatchEngine::Instance().setupMatch(a, b, std::move(sink));
    *this = BoutRunner();
}

void BoutRunner::startRound()
{
    MatchEngine &engine = MatchEngine::Instance();
    if (roundNumber > 1)
        engine.startNextRound();
    engine.startRound();
    ++outcome.roundsFought;
    phase = Phase::Fighting;
}

BoutRunner::Happening BoutRunner::step()
{
    if (phase == Phase::Tallied)
        return verdict();
    if (phase == Phase::Over)
        return outcome.stoppage ? Happening::Stoppage : Happening::Decision;
    if (phase != Phase::Fighting)
        qFatal("BoutRunner::step between rounds: call startRound, or tally when it is due");
    MatchEngine &engine = MatchEngine::Instance();
    ++outcome.steps;
    // A knockout ends the bout before the clock moves.
    if (engine.step()) {
        outcome.stoppage = true;
        end();
        return Happening::Stoppage;
    }
    seconds = engine.tickClock();
    if (seconds > 0)
        return Happening::Step;
    seconds = MatchEngine::RoundSeconds;
    ++roundNumber;
    BoutScoring::scoreRound(engine.getRoundStatistics(), outcome.cards);
    phase = Phase::RoundOver;
    return Happening::RoundEnded;
}

bool BoutRunner::tallyDue() const
{
    return phase == Phase::RoundOver && roundNumber > BoutScoring::RegularRounds;
}

void BoutRunner::tally()
{
    outcome.judges = BoutScoring::tally(outcome.cards);
    MatchEngine::Instance().decideByScore(outcome.judges.forA, outcome.judges.forB);
    phase = Phase::Tallied;
}

void BoutRunner::setCards(const JudgeCards &cards)
{
    outcome.cards = cards;
    if (phase == Phase::Tallied)
        tally();
}

BoutRunner::Happening BoutRunner::verdict()
{
    // The tally the engine heard names the winner and the decision.
    const BoutScoring::Outcome said = BoutScoring::outcome(outcome.judges, roundNumber);
    if (said.extensionRound) {
        phase = Phase::BetweenRounds;
        return Happening::ExtensionRound;
    }
    end();
    BoutScoring::nameDecision(said.decision, outcome.resultText, outcome.winnerLine, outcome.loserLine);
    return Happening::Decision;
}

void BoutRunner::end()
{
    outcome.resultText = MatchEngine::Instance().getResultText(&outcome.winnerId, &outcome.winnerLine,
                                                               &outcome.loserId, &outcome.loserLine);
    phase = Phase::Over;
}
