#include "DefenceRing.h"

#include "match/CommentarySink.h"
#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "records/GameRandom.h"

ProbeAttackerState::ProbeAttackerState(Entity_MatchFighter *fighter, QVector<ProbeEvent> *log,
                                       int answerCode, int answerValue)
    : MatchState(fighter), log(log), answerCode(answerCode), answerValue(answerValue)
{
}

void ProbeAttackerState::onMessage(Entity_MatchFighter *, int code)
{
    log->append({code, 0, false});
    if (code == 24 && answerCode >= 0)
        MatchEngine::Instance().sendValueToDefender(answerCode, answerValue);
}

void ProbeAttackerState::onValue(Entity_MatchFighter *, int code, int value)
{
    log->append({code, value, true});
}

namespace {

// Listens without keeping anything: the tests read the fighters' own text.
class ListeningSink : public CommentarySink
{
public:
    void addParagraph(const QString &) override {}
};

} // namespace

DefenceRing::DefenceRing(const Fighter &attacker, const Fighter &defender,
                         int answerCode, int answerValue)
{
    MatchEngine &engine = MatchEngine::Instance();
    engine.setupMatch(attacker, defender, std::unique_ptr<CommentarySink>(new ListeningSink));
    engine.startRound();
    if (engine.getAttacker() != engine.getFighterA())
        engine.swapRoles();
    engine.getAttacker()->setState(new ProbeAttackerState(engine.getAttacker(), &log,
                                                          answerCode, answerValue));
    engine.getAttacker()->clearCommentary();
    engine.getDefender()->clearCommentary();
    // The match was seeded from the clock: make what follows repeatable.
    GameRandom::seed(1);
}

DefenceRing::~DefenceRing()
{
    MatchEngine &engine = MatchEngine::Instance();
    engine.getFighterA()->setState(new MatchState(engine.getFighterA()));
    engine.getFighterA()->releaseRetiredStates();
}

Entity_MatchFighter *DefenceRing::attacker() const
{
    return MatchEngine::Instance().getAttacker();
}

Entity_MatchFighter *DefenceRing::defender() const
{
    return MatchEngine::Instance().getDefender();
}

void DefenceRing::install(State<Entity_MatchFighter> *state)
{
    defender()->setState(state);
}

MatchState *DefenceRing::defenderState() const
{
    return dynamic_cast<MatchState *>(defender()->getState());
}

QVector<int> DefenceRing::messages() const
{
    QVector<int> codes;
    for (const ProbeEvent &event : log)
        if (!event.isValue)
            codes << event.code;
    return codes;
}
