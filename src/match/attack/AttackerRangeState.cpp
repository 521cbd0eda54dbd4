#include "AttackerRangeState.h"

#include "AttackerRangeTable.h"
#include "RankedDraw.h"
#include "match/Entity_MatchFighter.h"
#include "match/FightMath.h"
#include "match/MatchEngine.h"
#include "match/MatchMessage.h"
#include "match/Mindset.h"
#include "records/GameRandom.h"

namespace {

int moveRoll() { return GameRandom::roll(50) + 1; }

// Attributes that make up a hurt fighter's composure.
const int ComposureIndices[] = {77, 80, 86};

} // namespace

AttackerRangeState::AttackerRangeState(Entity_MatchFighter *fighter, const RangeDescription &range)
    : MatchState(fighter), range(range)
{
}

void AttackerRangeState::enter(Entity_MatchFighter *)
{
    MatchEngine::Instance().sendMessageToDefender(range.rangeCode);
}

namespace {

const ScoreBonus NoBonus{ScoreBonus::NoOption, 0, false};

} // namespace

AttackerRangeState::Rolls AttackerRangeState::drawRolls(const RangeDescription &range,
                                                        const RangeStyle &style, int mindset)
{
    Rolls rolls;
    for (int i = 0; i <= style.rolls; ++i)
        rolls.moves.append(moveRoll());
    rolls.mindset = GameRandom::roll(20) + 1;
    if (style.mindsetBonus.value(mindset, NoBonus).extraRoll)
        rolls.extra = GameRandom::roll(10);
    if (style.fatigueRoll)
        rolls.fatigue = GameRandom::roll(35) + 1;
    if (range.dividesScores) {
        for (int i = 0; i < range.moves.size(); ++i)
            rolls.splits.append(GameRandom::roll(5) + 1);
    }
    return rolls;
}

Scores AttackerRangeState::scoreMoves(const RangeStyle &style,
                                            const QVector<int> &attributes, int mindset,
                                            int fatigueLevel, const Rolls &rolls)
{
    Scores scores;
    for (const RangeScore &score : style.scores) {
        int sum = score.constant;
        for (int index : score.plus)
            sum += attributes.value(index);
        for (int index : score.minus)
            sum -= attributes.value(index);
        for (int roll : score.rolls)
            sum += 2 * rolls.moves.value(roll);
        const int base = attributes.value(score.divisorIndex);
        scores.append(FightMath::divide(sum, (score.divisorFromGap ? 100 - base : base) / 10 + 1));
    }

    const ScoreBonus mindsetBonus = style.mindsetBonus.value(mindset, NoBonus);
    if (mindsetBonus.option != ScoreBonus::NoOption) {
        scores[mindsetBonus.option] += mindsetBonus.sign * rolls.mindset
            + (mindsetBonus.extraRoll ? rolls.extra : 0);
    }
    const ScoreBonus fatigueBonus
        = style.fatigueRoll ? style.fatigueBonus.value(fatigueLevel, NoBonus) : NoBonus;
    if (fatigueBonus.option != ScoreBonus::NoOption)
        scores[fatigueBonus.option] += fatigueBonus.sign * rolls.fatigue;

    for (int i = 0; i < rolls.splits.size() && i < scores.size(); ++i)
        scores[i] = FightMath::divide(scores[i], rolls.splits[i]);
    return scores;
}

int AttackerRangeState::calmDownThreshold() const
{
    int threshold = 0;
    for (int index : ComposureIndices)
        threshold += attr(index);
    return threshold;
}

void AttackerRangeState::calmDownRoll(Entity_MatchFighter *fighter, int threshold)
{
    const int mindset = fighter->getMindset();
    if (mindset != Mindset::Dazed && mindset != Mindset::CaughtOffGuard)
        return;
    int sum = 0;
    for (int i = 0; i < 3; ++i)
        sum += GameRandom::roll(100);
    if (sum < threshold)
        fighter->setMindset(Mindset::Balanced);
}

void AttackerRangeState::execute(Entity_MatchFighter *fighter)
{
    const RangeDescription &description = range;
    const RangeStyle &style = description.styleFor(styleIndex());
    const int mindset = fighter->getMindset();
    const Rolls rolls = drawRolls(description, style, mindset);
    const Scores scores = scoreMoves(style, snapshotInts(), mindset,
                                           fighter->getFatigueLevel(), rolls);
    const RankedChoice choice = rankedDraw(scores, description.appendOrder);
    fighter->setSituation(description.rangeCode);
    fighter->setActionValue(scores[choice.option]);
    calmDownRoll(fighter, calmDownThreshold());
    const RangeMove &move = description.moves[choice.option];
    handOver(fighter, move.lines[FightMath::pickIndex(5)], move.next);
}

void AttackerRangeState::onMessage(Entity_MatchFighter *fighter, int code)
{
    const RangeDescription &description = range;
    if (code == MatchMessage::DefenderMoved) {
        MatchEngine::Instance().sendValueToDefender(description.rangeCode,
                                                    fighter->getActionValue());
        return;
    }
    for (const RangeAnswer &answer : description.answers) {
        if (answer.code == code) {
            handOver(fighter, answer.lines[FightMath::pickIndex(3)], answer.next);
            return;
        }
    }
}

void AttackerRangeState::onValue(Entity_MatchFighter *fighter, int code, int value)
{
    // A stop strike that caught him moving. Its result is not acted on
    // here: the range states only take the damage.
    if (code == MatchMessage::DefenderMoved)
        fighter->damageHead(value);
}

void AttackerRangeState::handOver(Entity_MatchFighter *fighter, const CommentaryLine &line,
                                  StateFactory next)
{
    if (fighter->isHeard())
        fighter->appendCommentary(line.render(*fighter));
    MatchEngine::Instance().addCommentary(fighter, fighter->takeCommentary());
    fighter->clearCommentary();
    fighter->changeState(next(fighter));
}
