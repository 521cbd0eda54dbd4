#include "BoutDriver.h"

#include <QDate>
#include <QMultiMap>
#include <QStringList>

#include "match/MatchEngine.h"

Fighter BoutDriver::makeFighter(const QString &lastName, const QString &style,
                                const QVector<int> &ints)
{
    QStringList texts;
    for (int i = 0; i < Fighter::TextCount; ++i)
        texts << QString();
    texts[Fighter::FirstNameText] = "Test";
    texts[Fighter::LastNameText] = lastName;
    texts[Fighter::StyleText] = style;
    Fighter fighter;
    fighter.setData(texts, ints, QDate(1990, 1, 1), QMultiMap<QDate, QString>(), QStringList());
    return fighter;
}

Fighter BoutDriver::makeFighter(const QString &lastName, const QString &style, int value)
{
    QVector<int> ints(Fighter::IntCount, value);
    ints[Fighter::AgeIndex] = 25;
    ints[Fighter::IdIndex] = 2000 + int(qHash(lastName) % 100000);
    return makeFighter(lastName, style, ints);
}

void BoutDriver::scoreRound(const QVector<int> &round, QVector<int> &cards)
{
    if (round.size() < 8 || cards.size() < 6)
        return;
    const int downsA = round[6];
    const int downsB = round[7];
    for (int judge = 0; judge < 3; ++judge) {
        const int a = round[judge];
        const int b = round[3 + judge];
        cards[judge] += (a >= b ? 10 : 9) - downsA;
        cards[3 + judge] += (b >= a ? 10 : 9) - downsB;
    }
}

void BoutDriver::countJudges(const QVector<int> &cards, int &forA, int &forB)
{
    forA = forB = 0;
    for (int judge = 0; judge < 3 && cards.size() >= 6; ++judge) {
        if (cards[judge] > cards[3 + judge])
            ++forA;
        else if (cards[judge] < cards[3 + judge])
            ++forB;
    }
}

BoutDriver::Result BoutDriver::fight(const Fighter &a, const Fighter &b,
                                     std::unique_ptr<CommentarySink> sink)
{
    MatchEngine &engine = MatchEngine::Instance();
    engine.setupMatch(a, b, std::move(sink));
    Result result;
    result.cards = QVector<int>(6, 0);
    for (int round = 1; round <= Rounds && !result.stoppage; ++round) {
        if (round > 1)
            engine.startNextRound();
        engine.startRound();
        result.roundsFought = round;
        for (;;) {
            ++result.steps;
            if (engine.step()) {
                result.stoppage = true;
                break;
            }
            if (engine.tickClock() < 1)
                break;
        }
        if (!result.stoppage)
            scoreRound(engine.getRoundStatistics(), result.cards);
    }
    if (!result.stoppage) {
        countJudges(result.cards, result.judgesForA, result.judgesForB);
        engine.decideByScore(result.judgesForA, result.judgesForB);
    }
    return result;
}
