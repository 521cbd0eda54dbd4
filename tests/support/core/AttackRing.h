#ifndef ATTACKRING_H
#define ATTACKRING_H

// A ring for the attack states' tests: two fighters in the engine, fighter
// A attacking with the state under test and a probe standing in for the
// defender's states. The probe logs what reaches it and answers values
// from a script, the way the defence and result states would.

#include <QPair>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

#include "EngineTestKit.h"
#include "FighterBuilder.h"
#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "match/MatchState.h"
#include "records/Fighter.h"

class ProbeDefender : public MatchState
{
public:
    // Script entries beside plain codes sent to the attacker.
    enum { Silent = -1, FireBack = -2 };
    static const int NoValue = -999999;
    static const int ReturnedDamage = 77;

    struct Received { int code; int value; };
    static QVector<Received> &log() { static QVector<Received> entries; return entries; }
    // One entry per value received, in order; missing entries are Silent.
    static QVector<int> &script() { static QVector<int> entries; return entries; }
    static void reset(const QVector<int> &replies = {})
    {
        log().clear();
        script() = replies;
    }
    static QVector<int> valuesWithCode(int code)
    {
        QVector<int> values;
        for (const Received &r : log())
            if (r.code == code && r.value != NoValue)
                values.append(r.value);
        return values;
    }
    static QVector<int> messages()
    {
        QVector<int> codes;
        for (const Received &r : log())
            if (r.value == NoValue)
                codes.append(r.code);
        return codes;
    }

    explicit ProbeDefender(Entity_MatchFighter *fighter) : MatchState(fighter) {}

    void onMessage(Entity_MatchFighter *, int code) override { log().append({code, NoValue}); }
    void onValue(Entity_MatchFighter *, int code, int value) override
    {
        log().append({code, value});
        const int reply = script().isEmpty() ? Silent : script().takeFirst();
        MatchEngine &engine = MatchEngine::Instance();
        if (reply == FireBack) {
            engine.swapRoles();
            engine.sendValueToDefender(25, ReturnedDamage);
            engine.swapRoles();
        } else if (reply != Silent) {
            engine.sendMessageToAttacker(reply);
        }
    }
};

// A fighter whose vector element i (4..86) is value(i).
inline Fighter ringFighter(const QString &lastName, const QString &style,
                           const std::function<int(int)> &value)
{
    FighterBuilder fighter;
    for (int i = Fighter::FirstAttributeIndex; i < Fighter::HeadDurabilityIndex; ++i)
        fighter.number(i, value(i));
    return fighter.name("Ray", lastName)
        .style(style)
        .age(25)
        .numbers({{Fighter::HeadDurabilityIndex, 90}, {Fighter::BodyDurabilityIndex, 90}})
        .born(QDate(1990, 1, 1))
        .build();
}

struct AttackRing
{
    QStringList paragraphs;
    Entity_MatchFighter *attacker = nullptr;
    Entity_MatchFighter *defender = nullptr;

    explicit AttackRing(const Fighter &a)
    {
        MatchEngine &engine = MatchEngine::Instance();
        engine.setupMatch(a, ringFighter("Probe", "Brawler", [](int) { return 50; }),
                          std::unique_ptr<CommentarySink>(new EngineKit::RecordingSink(&paragraphs)));
        engine.startRound();
        if (engine.getAttacker() != engine.getFighterA())
            engine.swapRoles();
        attacker = engine.getFighterA();
        defender = engine.getFighterB();
        defender->setState(new ProbeDefender(defender));
        ProbeDefender::reset();
    }
    MatchEngine &engine() const { return MatchEngine::Instance(); }
    // Installs a state on the attacker without its enter.
    void place(Entity_MatchFighter::FightState *state) { attacker->setState(state); }
    template <class T> bool attackerIs() const { return dynamic_cast<T *>(attacker->getState()); }
};

#endif // ATTACKRING_H
