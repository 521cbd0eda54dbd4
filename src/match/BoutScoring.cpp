#include "BoutScoring.h"

#include "records/Event.h"
#include "records/Match.h"

namespace {

const int WinnerMark = 10;
const int LoserMark = 9;

// The engine's method word and where it stands in its texts.
const QString decisionWord = QStringLiteral("Decision");
const QString sentenceMethod = QStringLiteral(" by Decision in ");
const QString lineMethod = QStringLiteral(" - Decision - ");

const char *const unanimous = "Unanimous Decision";
const char *const majority = "Majority Decision";
const char *const split = "Split Decision";

// The engine's texts end with the method, so the last occurrence is it.
void renameLast(QString &text, const QString &field, const QString &decision)
{
    const int at = text.lastIndexOf(field);
    if (at < 0)
        return;
    QString renamed = field;
    renamed.replace(decisionWord, decision);
    text.replace(at, field.size(), renamed);
}

} // namespace

BoutScoring::Marks BoutScoring::roundMarks(int pointsA, int pointsB, int knockdownsA, int knockdownsB)
{
    const int markA = pointsA >= pointsB ? WinnerMark : LoserMark;
    const int markB = pointsB >= pointsA ? WinnerMark : LoserMark;
    return {markA - knockdownsA, markB - knockdownsB};
}

void BoutScoring::scoreRound(const QVector<int> &roundStatistics, JudgeCards &cards)
{
    if (roundStatistics.size() < 2 * Judges + 2)
        return;
    const int knockdownsA = roundStatistics.at(2 * Judges);
    const int knockdownsB = roundStatistics.at(2 * Judges + 1);
    for (int judge = 0; judge < Judges; ++judge) {
        const Marks marks = roundMarks(roundStatistics.at(judge), roundStatistics.at(Judges + judge),
                                       knockdownsA, knockdownsB);
        cards.totalsA[judge] += marks.a;
        cards.totalsB[judge] += marks.b;
    }
}

BoutScoring::Tally BoutScoring::tally(const JudgeCards &cards)
{
    Tally counts{0, 0};
    for (int judge = 0; judge < Judges; ++judge) {
        if (cards.totalsA[judge] > cards.totalsB[judge])
            ++counts.forA;
        else if (cards.totalsA[judge] < cards.totalsB[judge])
            ++counts.forB;
    }
    return counts;
}

BoutScoring::Outcome BoutScoring::outcome(const Tally &tally, int roundNumber)
{
    const int more = qMax(tally.forA, tally.forB);
    const int fewer = qMin(tally.forA, tally.forB);
    if (more == 3)
        return {false, unanimous};
    if (more == 2)
        return {false, fewer == 0 ? majority : split};
    // One card or none each way: undecided.
    if (roundNumber <= LastRound)
        return {true, QString()};
    return {false, split};
}

void BoutScoring::nameDecision(const QString &decision, QString &resultText,
                               QString &winnerLine, QString &loserLine)
{
    renameLast(resultText, sentenceMethod, decision);
    renameLast(winnerLine, lineMethod, decision);
    renameLast(loserLine, lineMethod, decision);
}

QString BoutScoring::recordLineEnding(const Event &event, const QString &matchType, bool winner)
{
    QString ending = " - " + event.getOrganization() + ": " + event.getName();
    const bool titleOnLine = matchType == QLatin1String(MatchType::Championship)
                             || (winner && matchType == QLatin1String(MatchType::Final));
    if (titleOnLine)
        ending += "|" + event.getTitle();
    return ending;
}

int BoutScoring::exchange(int gap, Ending ending)
{
    const bool decision = ending == Decision;
    if (gap > 300)
        return decision ? gap >> 2 : gap >> 1;
    if (gap > 100)
        return decision ? gap >> 1 : gap;
    if (gap > 0)
        return gap;
    if (gap == 0)
        return decision ? 200 : 300;
    if (gap >= -100)
        return decision ? gap + 100 : 2 * gap + 200;
    if (gap >= -300)
        return (decision ? 8000 : 10000) / -gap;
    return (decision ? 5000 : 7000) / -gap;
}
