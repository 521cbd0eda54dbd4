#ifndef DEFENCERING_H
#define DEFENCERING_H

#include <QString>
#include <QVector>
#include <typeinfo>

#include "match/MatchState.h"
#include "records/Fighter.h"

class Entity_MatchFighter;
class MatchEngine;

// The name tests compare states by: a class's, or a state's own class's.
template <class T>
QString stateName()
{
    return typeid(T).name();
}
inline QString stateName(const MatchState *state)
{
    return state ? typeid(*state).name() : QString();
}

// What a probe attacker received from the defender's side.
struct ProbeEvent {
    int code;
    int value;
    bool isValue;
};

// A test-only stand-in for the attacker's states: it records every message
// and value the defender's side sends, and answers a defender's move (code
// 24) with a range code and value when told to, as the range states do.
class ProbeAttackerState : public MatchState
{
public:
    ProbeAttackerState(Entity_MatchFighter *fighter, QVector<ProbeEvent> *log,
                       int answerCode = -1, int answerValue = 0);
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;

private:
    QVector<ProbeEvent> *log;
    int answerCode;
    int answerValue;
};

// A ring for testing defender states: fighter A attacks with a probe state,
// fighter B defends with whatever state the test installs. A sink listens,
// so the fighters say what they do.
class DefenceRing
{
public:
    DefenceRing(const Fighter &attacker, const Fighter &defender,
                int answerCode = -1, int answerValue = 0);
    // Leaves a plain state on the attacker, so nothing writes to this
    // ring's log after it is gone.
    ~DefenceRing();
    DefenceRing(const DefenceRing &) = delete;
    DefenceRing &operator=(const DefenceRing &) = delete;

    Entity_MatchFighter *attacker() const;
    Entity_MatchFighter *defender() const;
    // Installs a defender state without its enter.
    void install(State<Entity_MatchFighter> *state);
    // The defender's current state.
    MatchState *defenderState() const;
    const QVector<ProbeEvent> &received() const { return log; }
    // The codes of the messages (not values) the attacker received.
    QVector<int> messages() const;

private:
    QVector<ProbeEvent> log;
};

#endif // DEFENCERING_H
