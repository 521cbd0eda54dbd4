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

BoutDriver::Result BoutDriver::fight(const Fighter &a, const Fighter &b,
                                     std::unique_ptr<CommentarySink> sink)
{
    MatchEngine &engine = MatchEngine::Instance();
    engine.setupMatch(a, b, std::move(sink));
    Result result;
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
            BoutScoring::scoreRound(engine.getRoundStatistics(), result.cards);
    }
    if (!result.stoppage) {
        result.judges = BoutScoring::tally(result.cards);
        engine.decideByScore(result.judges.forA, result.judges.forB);
    }
    return result;
}
