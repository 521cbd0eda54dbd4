#ifndef ENTITY_MATCHFIGHTER_H
#define ENTITY_MATCHFIGHTER_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <vector>

#include "FighterSnapshot.h"
#include "State.h"
#include "records/Fighter.h"

// A fighter during one match: the fighter's record, his state machine, the
// commentary he produces, mindset, fatigue, situation, the health of four
// regions, stamina, statistics and knockdowns.
//
// The owner fills the Fighter base with setData and then calls initHealth.
// Non-copyable: it owns its current state.
//
// The fight states read his texts and whole numbers through one shared
// snapshot, made when first asked for and made again only after setData
// or the corner's recovery, the two ways his Fighter part changes in a
// match. He keeps every snapshot of the match, so a state made before a
// change still reads the values of its own moment.
class Entity_MatchFighter : public Fighter
{
public:
    typedef State<Entity_MatchFighter> FightState;

    // Damage results.
    enum DamageResult { Standing = 3, KnockedDown = 4, KnockedOut = 5 };

    // The 18 statistics pairs, in the order of the statistics vector.
    enum StatPair {
        JabStats = 0, HookStats, CrossStats, UppercutStats, LowKickStats, MidKickStats,
        HighKickStats, FrontKickStats, KneeStats, ElbowStats, DirtyBoxStats, BodyPunchStats,
        BlockHighStats, BlockLowStats, DodgeHighStats, DodgeLowStats,
        CounterHighStats, CounterMidStats,
        StatPairCount
    };
    static const int StatisticsSize = 6 + 2 * StatPairCount + 2;

    // Installs a new State_Def_Out as the first state, without its enter.
    Entity_MatchFighter();
    ~Entity_MatchFighter();
    Entity_MatchFighter(const Entity_MatchFighter &) = delete;
    Entity_MatchFighter &operator=(const Entity_MatchFighter &) = delete;

    // Fighter::setData, and the states made from now on see the new data.
    bool setData(const QStringList &texts, const QVector<int> &ints, const QDate &birthday,
                 const QMultiMap<QDate, QString> &history, const QStringList &titles);
    // His texts and whole numbers as they stand now; valid for as long as
    // he lives.
    const FighterSnapshot *snapshot() const
    {
        return currentSnapshot ? currentSnapshot : takeSnapshot();
    }

    // --- State machine ---
    // Runs execute of the current state.
    void update();
    // Deletes the current state and installs `next` without exit or enter.
    void setState(FightState *next);
    // exit of the current state, retire it, install `next`, then its enter.
    void changeState(FightState *next);
    void handleMessage(int code);
    void handleValue(int code, int value);
    FightState *getState() const { return currentState.get(); }
    // A state replaced while its own code may still be running is kept
    // until here; the engine calls this when no state code is running.
    void releaseRetiredStates();

    // --- Plain fields ---
    int getMindset() const { return mindset; }
    void setMindset(int value) { mindset = value; }
    int getFatigueLevel() const { return fatigueLevel; }
    int getActionValue() const { return actionValue; }
    void setActionValue(int value) { actionValue = value; }
    int getSituation() const { return situation; }
    void setSituation(int value) { situation = value; }

    int getHeadHealth() const { return headHealth; }
    int getBodyHealth() const { return bodyHealth; }
    int getArmsHealth() const { return armsHealth; }
    int getLegsHealth() const { return legsHealth; }
    int getHeadHealthMax() const { return headHealthMax; }
    int getBodyHealthMax() const { return bodyHealthMax; }
    int getArmsHealthMax() const { return armsHealthMax; }
    int getLegsHealthMax() const { return legsHealthMax; }
    int getStamina() const { return stamina; }
    int getStaminaMax() const { return staminaMax; }
    int getKnockdownsScored() const { return knockdownsScored; }
    int getKnockdownsSuffered() const { return knockdownsSuffered; }
    // Live durabilities, as the corner may raise them (the attributes too,
    // through Fighter::getAttribute).
    int getHeadDurability() const { return headDurability; }
    int getBodyDurability() const { return bodyDurability; }
    QString getStyle() const { return style; }

    // --- Statistics ---
    void addJabStats(int a, int b) { addStats(JabStats, a, b); }
    void addHookStats(int a, int b) { addStats(HookStats, a, b); }
    void addCrossStats(int a, int b) { addStats(CrossStats, a, b); }
    void addUppercutStats(int a, int b) { addStats(UppercutStats, a, b); }
    void addLowKickStats(int a, int b) { addStats(LowKickStats, a, b); }
    void addMidKickStats(int a, int b) { addStats(MidKickStats, a, b); }
    void addHighKickStats(int a, int b) { addStats(HighKickStats, a, b); }
    void addFrontKickStats(int a, int b) { addStats(FrontKickStats, a, b); }
    void addKneeStats(int a, int b) { addStats(KneeStats, a, b); }
    void addElbowStats(int a, int b) { addStats(ElbowStats, a, b); }
    void addDirtyBoxStats(int a, int b) { addStats(DirtyBoxStats, a, b); }
    void addBodyPunchStats(int a, int b) { addStats(BodyPunchStats, a, b); }
    void addBlockHighStats(int a, int b) { addStats(BlockHighStats, a, b); }
    void addBlockLowStats(int a, int b) { addStats(BlockLowStats, a, b); }
    void addDodgeHighStats(int a, int b) { addStats(DodgeHighStats, a, b); }
    void addDodgeLowStats(int a, int b) { addStats(DodgeLowStats, a, b); }
    void addCounterHighStats(int a, int b) { addStats(CounterHighStats, a, b); }
    void addCounterMidStats(int a, int b) { addStats(CounterMidStats, a, b); }
    // The pair of a strike code 9 (Jab) .. 20 (BodyPunch); other codes do nothing.
    void addStrikeStats(int strikeCode, int a, int b);
    void addStats(StatPair pair, int a, int b);
    // 1: one knockdown scored; any other value: one suffered.
    void countKnockdown(int who);
    // Appends mindset, fatigue, the four healths, the 36 pair numbers,
    // knockdowns scored and suffered (44 numbers).
    void getStatistics(QVector<int> &out) const;

    // --- Commentary ---
    // Whether anybody listens: when nobody does, the states build no text
    // (they still draw every roll that picks one). The engine sets it for
    // each match; a fighter made on his own is heard.
    bool isHeard() const { return heard; }
    void setHeard(bool value) { heard = value; }
    void appendCommentary(const QString &text) { commentary += text; }
    QString takeCommentary();
    void clearCommentary() { commentary.clear(); }
    const QString &getCommentary() const { return commentary; }

    // --- Health, checks, stamina ---
    void initHealth();
    int damageHead(int damage);
    int damageBody(int damage);
    int damageArms(int damage);
    int damageLegs(int damage);
    bool checkKnockdown(int damage);
    bool checkHeadKnockdown(int damage);
    bool passesResistanceRoll();
    void changeStamina(int delta);
    bool continuesAttack();
    int initiativeScore();

    // --- Corner work ---
    // The instruction texts offered for a mindset (first: carry on).
    static QStringList instructionOptions(int mindset);
    bool callInstruction(const QString &text, int cornerValue, bool forced);
    void observeCondition(QStringList &texts, QVector<int> &codes) const;
    void recoverBetweenRounds(int heal, int water, int motivate, int strategy);

private:
    int damageLimb(int &health, int damage);
    const FighterSnapshot *takeSnapshot() const;

    // Declared before the states, so that they outlive every state.
    mutable std::vector<std::unique_ptr<const FighterSnapshot>> snapshots;
    // The snapshot of his data as they stand; null once they changed.
    mutable const FighterSnapshot *currentSnapshot = &FighterSnapshot::ofBlankFighter();
    std::unique_ptr<FightState> currentState;
    std::vector<std::unique_ptr<FightState>> retiredStates;
    QString commentary;
    bool heard;
    int mindset;
    int fatigueLevel;
    int actionValue;
    int situation;
    int headHealthMax, bodyHealthMax, armsHealthMax, legsHealthMax;
    int headHealth, bodyHealth, armsHealth, legsHealth;
    int staminaMax;
    int stamina;
    int statistics[StatPairCount][2];
    int knockdownsScored;
    int knockdownsSuffered;
};

#endif // ENTITY_MATCHFIGHTER_H
