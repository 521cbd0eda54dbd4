#ifndef MATCHENGINE_H
#define MATCHENGINE_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

#include "CommentarySink.h"

class Entity_MatchFighter;
class Fighter;

// The bout controller: the two corners of the current match, who attacks
// and who defends, the round and its clock, the judges' points, the
// knockdowns of the round and where the commentary goes. One per process;
// every setupMatch starts a fresh match.
//
// Drivers: setupMatch; per round startRound (startNextRound first after
// round 1); step, and while it returns false tickClock, until the clock is
// below 1; then decideByScore after the last round unless a step ended the
// match; then getResultText.
class MatchEngine
{
public:
    // Length of a round on the clock.
    static constexpr int RoundSeconds = 180;

    static MatchEngine &Instance();
    MatchEngine(const MatchEngine &) = delete;
    MatchEngine &operator=(const MatchEngine &) = delete;

    // --- Bout control ---
    // Seeds the dice once for the match. The engine takes the sink (null:
    // the commentary is dropped).
    void setupMatch(const Fighter &a, const Fighter &b,
                    std::unique_ptr<CommentarySink> sink = nullptr);
    void startRound();
    void startNextRound();
    bool step();
    int tickClock();
    void swapRoles();
    void nextExchange();
    void endMatch(Entity_MatchFighter *loser);
    void countExchange() { ++exchangeCount; }
    int getExchangeCount() const { return exchangeCount; }
    void sendMessageToDefender(int code);
    void sendMessageToAttacker(int code);
    void sendValueToDefender(int code, int value);
    void addCommentary(Entity_MatchFighter *who, const QString &text);
    void announceKnockdown(Entity_MatchFighter *fighter);

    // --- Judging, results, statistics ---
    void scoreJudges(Entity_MatchFighter *fighter, int n);
    QVector<int> getRoundStatistics();
    void getRoundEndCommentary();
    void decideByScore(int a, int b);
    QString getResultText(int *winnerId, QString *winnerLine, int *loserId, QString *loserLine);
    QVector<int> getFighterStatistics(int id) const;

    // --- Corner work ---
    QStringList getInstructionOptions(int id) const;
    bool callInstruction(int id, const QString &text, int cornerValue, bool forced);
    void observeCondition(QStringList &texts, QVector<int> &codes, int id) const;
    void applyCornerActions(int heal, int water, int motivate, int strategy, int id);

    // --- Read-outs ---
    Entity_MatchFighter *getAttacker() const { return attacker; }
    Entity_MatchFighter *getDefender() const { return defender; }
    Entity_MatchFighter *getFighterA() const { return fighterA.get(); }
    Entity_MatchFighter *getFighterB() const { return fighterB.get(); }
    Entity_MatchFighter *getWinner() const { return winner; }
    Entity_MatchFighter *getLoser() const { return loser; }
    int getRound() const { return round; }
    int getClock() const { return clock; }
    bool isMatchOver() const { return matchOver; }
    // Judge 1, 2, 3 of fighter A, then of fighter B.
    QVector<int> getJudgePoints() const;

private:
    MatchEngine();
    ~MatchEngine();

    Entity_MatchFighter *cornerWithId(int id) const;
    void installRangeStates();
    void writeParagraph(const QString &text);

    std::unique_ptr<Entity_MatchFighter> fighterA;
    std::unique_ptr<Entity_MatchFighter> fighterB;
    Entity_MatchFighter *attacker;
    Entity_MatchFighter *defender;
    Entity_MatchFighter *winner;
    Entity_MatchFighter *loser;
    int round;
    int clock;
    bool matchOver;
    int judgePoints[6];
    int knockdowns[2];
    std::unique_ptr<CommentarySink> commentaryView;
    int exchangeCount;
};

// Inline: the fight states reach the engine at nearly every step.
inline MatchEngine &MatchEngine::Instance()
{
    static MatchEngine engine;
    return engine;
}

#endif // MATCHENGINE_H
