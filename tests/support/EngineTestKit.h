#ifndef ENGINETESTKIT_H
#define ENGINETESTKIT_H

// Hand-built fighters, a recording commentary sink and probe states that
// keep the strike contract, for the match engine tests.

#include <QMap>
#include <QStringList>
#include <QVector>
#include <memory>

#include "core/FighterBuilder.h"
#include "match/CommentarySink.h"
#include "match/Entity_MatchFighter.h"
#include "match/ExchangeRule.h"
#include "match/MatchEngine.h"
#include "match/MatchState.h"
#include "match/State_Gen_BlkDmgBody.h"
#include "match/State_Gen_BlkDmgClinch.h"
#include "match/State_Gen_BlkDmgHeadKick.h"
#include "match/State_Gen_BlkDmgHeadPunch.h"
#include "match/State_Gen_BlkDmgLeg.h"
#include "match/State_Gen_CounterDmg.h"
#include "match/State_Gen_ReturnReceive.h"
#include "records/Fighter.h"
#include "records/GameRandom.h"

namespace EngineKit {

// A fighter with every attribute at `level` and the given overrides
// (by index of the 95-number vector).
inline Fighter makeFighter(const QString &first, const QString &last, int id,
                           const QString &style = "Tactician", int level = 50,
                           const QMap<int, int> &overrides = {})
{
    return FighterBuilder()
        .texts({first, last, "Japan", "Asia", "Karate", style, "None", "Unknown", "Red", "Black", "Brown", ""})
        .age(25)
        .attributes(level)
        .numbers({{Fighter::HeadDurabilityIndex, 50}, {Fighter::BodyDurabilityIndex, 50}, {Fighter::IdIndex, id}})
        .numbers(overrides)
        .born(QDate(1990, 1, 1))
        .build();
}

// Vector index of attribute k.
inline int at(int k) { return Fighter::attributeIndex(k); }

class RecordingSink : public CommentarySink
{
public:
    explicit RecordingSink(QStringList *out) : out(out) {}
    void addParagraph(const QString &text) override { out->append(text); }

private:
    QStringList *out;
};

// Sets up a fresh match between a and b, commentary into `paragraphs`
// (when given), and starts round 1.
inline MatchEngine &freshMatch(const Fighter &a, const Fighter &b,
                               QStringList *paragraphs = nullptr, bool start = true)
{
    MatchEngine &engine = MatchEngine::Instance();
    std::unique_ptr<CommentarySink> sink;
    if (paragraphs)
        sink.reset(new RecordingSink(paragraphs));
    engine.setupMatch(a, b, std::move(sink));
    if (start)
        engine.startRound();
    return engine;
}

// A strike of `code` thrown by the attacker with his action value as the
// power, answering the result states as every strike does.
class ProbeStrike : public MatchState
{
public:
    ProbeStrike(Entity_MatchFighter *fighter, int code, int staminaCost = 0)
        : MatchState(fighter), code(code), staminaCost(staminaCost) {}

    void onMessage(Entity_MatchFighter *fighter, int message) override
    {
        MatchEngine &engine = MatchEngine::Instance();
        const int strike = code;
        const int cost = staminaCost;
        switch (message) {
        case 3:
            engine.sendValueToDefender(strike, fighter->getActionValue());
            engine.scoreJudges(fighter, 10);
            fighter->addStrikeStats(strike, 1, 1);
            fighter->changeStamina(-cost);
            exchangeRule(fighter);
            break;
        case 21:
            engine.sendValueToDefender(strike, fighter->getActionValue());
            engine.scoreJudges(fighter, 2);
            fighter->addStrikeStats(strike, 0, 1);
            fighter->changeStamina(-2 * cost);
            exchangeRule(fighter);
            break;
        case 22:
            engine.sendValueToDefender(strike, fighter->getActionValue());
            fighter->addStrikeStats(strike, 0, 1);
            fighter->changeStamina(-2 * cost);
            break;
        case 23:
            engine.swapRoles();
            fighter->changeState(new State_Gen_CounterDmg(fighter));
            break;
        case 25:
            engine.sendValueToDefender(strike, fighter->getActionValue());
            engine.scoreJudges(fighter, 5);
            fighter->addStrikeStats(strike, 1, 1);
            fighter->changeState(new State_Gen_ReturnReceive(fighter));
            break;
        case 4:
            fighter->setSituation(strike);
            engine.sendMessageToDefender(strike);
            engine.scoreJudges(fighter, 35);
            fighter->addStrikeStats(strike, 1, 1);
            fighter->countKnockdown(1);
            break;
        case 5:
            fighter->setSituation(strike);
            fighter->addStrikeStats(strike, 1, 1);
            fighter->countKnockdown(1);
            break;
        default:
            ++exchangeRuleCalls;
            exchangeRule(fighter);
            break;
        }
    }

    void onValue(Entity_MatchFighter *fighter, int, int value) override
    {
        fighter->setActionValue(value);
    }

    // Times the strike fell back on its exchange rule for an other code.
    static int exchangeRuleCalls;

private:
    static void exchangeRule(Entity_MatchFighter *fighter) { ExchangeRule::apply(fighter); }

    int code;
    int staminaCost;
};
inline int ProbeStrike::exchangeRuleCalls = 0;

// Records every call it gets; optionally replaces itself on execute.
class ProbeRecorder : public MatchState
{
public:
    explicit ProbeRecorder(Entity_MatchFighter *fighter, QStringList *log)
        : MatchState(fighter), log(log) {}
    void enter(Entity_MatchFighter *) override { log->append("enter"); }
    void execute(Entity_MatchFighter *) override { log->append("execute"); }
    void exit(Entity_MatchFighter *) override { log->append("exit"); }
    void onMessage(Entity_MatchFighter *, int code) override
    {
        log->append("message " + QString::number(code));
    }
    void onValue(Entity_MatchFighter *, int code, int value) override
    {
        log->append("value " + QString::number(code) + " " + QString::number(value));
    }

private:
    QStringList *log;
};

// Seeds the dice so that the next roll(range) gives `wanted`.
inline bool seedForNextRoll(int range, int wanted)
{
    for (unsigned seed = 1; seed < 100000; ++seed) {
        GameRandom::seed(seed);
        if (GameRandom::roll(range) == wanted) {
            GameRandom::seed(seed);
            return true;
        }
    }
    return false;
}

// The first `count` draws after seeding with `seed`.
inline QVector<int> drawsAfter(unsigned seed, int count)
{
    GameRandom::seed(seed);
    QVector<int> draws;
    for (int i = 0; i < count; ++i)
        draws << GameRandom::draw();
    return draws;
}

// A new block result state: 0 head punch, 1 head kick, 2 body, 3 leg,
// anything else clinch.
inline MatchState *newBlockState(int kind, Entity_MatchFighter *fighter)
{
    switch (kind) {
    case 0: return new State_Gen_BlkDmgHeadPunch(fighter);
    case 1: return new State_Gen_BlkDmgHeadKick(fighter);
    case 2: return new State_Gen_BlkDmgBody(fighter);
    case 3: return new State_Gen_BlkDmgLeg(fighter);
    default: return new State_Gen_BlkDmgClinch(fighter);
    }
}

// Ticks the round clock down to exactly `target` (at most 180).
inline bool tickClockTo(MatchEngine &engine, int target)
{
    while (engine.getClock() > target) {
        const int seconds = qMin(4, engine.getClock() - target);
        if (!seedForNextRoll(4, seconds - 1))
            return false;
        engine.tickClock();
    }
    return engine.getClock() == target;
}

} // namespace EngineKit

#endif // ENGINETESTKIT_H
