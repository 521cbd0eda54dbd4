#include "Entity_MatchFighter.h"

#include "CornerText.h"
#include "FightAttribute.h"
#include "FightMath.h"
#include "Mindset.h"
#include "defence/State_Def_Out.h"
#include "records/GameRandom.h"

#include <algorithm>
#include <iterator>

using FightMath::divide;
using namespace FightAttribute;

Entity_MatchFighter::Entity_MatchFighter()
    : heard(true), mindset(0), fatigueLevel(1), actionValue(0), situation(1),
      headHealthMax(0), bodyHealthMax(0), armsHealthMax(0), legsHealthMax(0),
      headHealth(1000), bodyHealth(1000), armsHealth(1000), legsHealth(1000),
      staminaMax(0), stamina(0), knockdownsScored(0), knockdownsSuffered(0)
{
    for (auto &pair : statistics)
        pair[0] = pair[1] = 0;
    currentState.reset(new State_Def_Out(this));
}

Entity_MatchFighter::~Entity_MatchFighter() = default;

bool Entity_MatchFighter::setData(const QStringList &texts, const QVector<int> &ints,
                                  const QDate &birthday, const QMultiMap<QDate, QString> &history,
                                  const QStringList &titles)
{
    currentSnapshot = nullptr;
    return Fighter::setData(texts, ints, birthday, history, titles);
}

const FighterSnapshot *Entity_MatchFighter::takeSnapshot() const
{
    snapshots.push_back(FighterSnapshot::of(*this));
    currentSnapshot = snapshots.back().get();
    return currentSnapshot;
}

// --- State machine ---------------------------------------------------------

void Entity_MatchFighter::update()
{
    if (currentState)
        currentState->execute(this);
}

// The replaced state may be the one whose code is calling us: it is retired,
// not deleted, so that its running frame stays valid until the step ends.
void Entity_MatchFighter::setState(FightState *next)
{
    if (currentState)
        retiredStates.push_back(std::move(currentState));
    currentState.reset(next);
}

void Entity_MatchFighter::changeState(FightState *next)
{
    if (currentState)
        currentState->exit(this);
    setState(next);
    if (currentState)
        currentState->enter(this);
}

void Entity_MatchFighter::handleMessage(int code)
{
    if (currentState)
        currentState->onMessage(this, code);
}

void Entity_MatchFighter::handleValue(int code, int value)
{
    if (currentState)
        currentState->onValue(this, code, value);
}

void Entity_MatchFighter::releaseRetiredStates()
{
    retiredStates.clear();
}

// --- Statistics ------------------------------------------------------------

void Entity_MatchFighter::addStrikeStats(int strikeCode, int a, int b)
{
    const int pair = strikeCode - 9;
    if (pair >= JabStats && pair <= BodyPunchStats)
        addStats(StatPair(pair), a, b);
}

void Entity_MatchFighter::addStats(StatPair pair, int a, int b)
{
    if (pair < 0 || pair >= StatPairCount)
        return;
    statistics[pair][0] += a;
    statistics[pair][1] += b;
}

void Entity_MatchFighter::countKnockdown(int who)
{
    if (who == 1)
        ++knockdownsScored;
    else
        ++knockdownsSuffered;
}

void Entity_MatchFighter::getStatistics(QVector<int> &out) const
{
    out << mindset << fatigueLevel << headHealth << bodyHealth << armsHealth << legsHealth;
    for (const auto &pair : statistics)
        out << pair[0] << pair[1];
    out << knockdownsScored << knockdownsSuffered;
}

QString Entity_MatchFighter::takeCommentary()
{
    QString text;
    text.swap(commentary);
    return text;
}

// --- Health and checks -----------------------------------------------------

void Entity_MatchFighter::initHealth()
{
    headHealthMax = headDurability + attributes[Heart] + attributes[Constitution];
    bodyHealthMax = bodyDurability + attributes[Heart] + attributes[Constitution];
    armsHealthMax = legsHealthMax = attributes[Constitution] + attributes[Sturdiness];
    headHealth = headHealthMax;
    bodyHealth = bodyHealthMax;
    armsHealth = armsHealthMax;
    legsHealth = legsHealthMax;
    staminaMax = stamina = 2 * (attributes[Endurance] + attributes[Workrate] + attributes[Wind] + attributes[Heart]);
}

bool Entity_MatchFighter::passesResistanceRoll()
{
    int sum = 0;
    for (int i = 0; i < 3; ++i)
        sum += GameRandom::roll(100) + 1;
    return sum <= attributes[FightIq] + attributes[Vision] + attributes[Discipline];
}

bool Entity_MatchFighter::checkKnockdown(int damage)
{
    const int r = FightMath::rollSignedByCoin(15);
    const int resistance = 2 * bodyDurability + bodyHealth + attributes[Heart] + r;
    return resistance < damage;
}

int Entity_MatchFighter::damageLimb(int &health, int damage)
{
    health -= damage;
    if (damage < 0 || health >= 1)
        return Standing;
    return checkKnockdown(damage) ? KnockedDown : Standing;
}

int Entity_MatchFighter::damageLegs(int damage)
{
    return damageLimb(legsHealth, damage);
}

int Entity_MatchFighter::damageArms(int damage)
{
    return damageLimb(armsHealth, damage);
}

int Entity_MatchFighter::damageBody(int damage)
{
    bodyHealth -= damage;
    if (damage < 0)
        return Standing;
    return checkKnockdown(damage) ? KnockedDown : Standing;
}

int Entity_MatchFighter::damageHead(int damage)
{
    headHealth -= damage;
    if (damage >= 0 && checkHeadKnockdown(damage))
        return GameRandom::roll(100) > headDurability ? KnockedOut : KnockedDown;
    if (damage > GameRandom::roll(20) + 10)
        mindset = Mindset::Dazed;
    return Standing;
}

bool Entity_MatchFighter::checkHeadKnockdown(int damage)
{
    const int r = FightMath::rollSignedByCoin(15);
    if (headHealth > 0) {
        if (passesResistanceRoll())
            return headDurability + headHealth + r < damage;
        const int base = headDurability + headHealth / 4;
        if (GameRandom::roll(100) > headDurability)
            mindset = Mindset::CaughtOffGuard;
        return base + r < damage;
    }
    if (!passesResistanceRoll() && headHealth < 0) {
        mindset = Mindset::Dazed;
        return headDurability + headHealth + r < damage;
    }
    if (GameRandom::roll(100) > headDurability)
        mindset = Mindset::Dazed;
    return headDurability + r < damage;
}

void Entity_MatchFighter::changeStamina(int delta)
{
    const int q = GameRandom::roll(100);
    stamina = std::max(0, stamina + delta);
    const int m = staminaMax;
    const int guard = attributes[Constitution];
    if (stamina > 2 * m && q < guard)
        fatigueLevel = 0;
    else if (stamina < m / 5 && q > guard)
        fatigueLevel = 5;
    else if (stamina < m / 3 && q > guard)
        fatigueLevel = 4;
    else if (stamina < m / 2 && q > guard)
        fatigueLevel = 3;
    else if (stamina < 2 * m / 3 && q > guard)
        fatigueLevel = 2;
    else if (stamina < 2 * m)
        fatigueLevel = 1;
}

bool Entity_MatchFighter::continuesAttack()
{
    return GameRandom::roll(120)
        < attributes[Discipline] / 2 + attributes[Drive] / 3 + attributes[Aggression] + attributes[Heart] / 3;
}

int Entity_MatchFighter::initiativeScore()
{
    static const int pushing[] = {Workrate, Wind, Reflexes, Alertness, Vision, Drive, Aggression};
    static const int holding[] = {FightIq, Technique, Mobility, RingSense};
    int numerator = 0;
    for (int k : pushing)
        numerator += (GameRandom::roll(3) + 1) * attributes[k];
    int denominator = 1;
    for (int k : holding)
        denominator += (GameRandom::roll(3) + 1) * (100 - attributes[k]);

    int score = divide(numerator, denominator);
    if (style == "Brawler")
        score += 5;
    switch (mindset) {
    case Mindset::Aggressive: score += 3; break;
    case Mindset::HuntingKnockout: score += 6; break;
    case Mindset::Cautious: score -= 3; break;
    case Mindset::CoveringUp: score -= 6; break;
    default: break;
    }
    return score;
}

// --- Corner work -----------------------------------------------------------

QStringList Entity_MatchFighter::instructionOptions(int mindsetValue)
{
    return CornerText::instructionOptions(mindsetValue);
}

bool Entity_MatchFighter::callInstruction(const QString &text, int cornerValue, bool forced)
{
    const int next = CornerText::instructionMindset(mindset, text);
    int score = attributes[FightIq] + attributes[Vision] + attributes[Heart] + 2 * attributes[Adaptation]
        + attributes[Craft] + attributes[RingSense] + attributes[Discipline] - 400 + 5 * cornerValue;
    const int weights[4] = {2, -2, 2, -2};
    for (int weight : weights)
        score += weight * FightMath::rollSignedWhenOdd(50);
    if (score < 1 && !forced)
        return false;
    mindset = next;
    return true;
}

namespace {

// Severity of a region: 4 above half its maximum .. 0 at or below nothing.
int severity(int health, int maximum)
{
    if (health > maximum / 2)
        return 4;
    if (health > maximum / 4)
        return 3;
    if (health > maximum / 8)
        return 2;
    return health > 0 ? 1 : 0;
}

} // namespace

void Entity_MatchFighter::observeCondition(QStringList &texts, QVector<int> &codes) const
{
    texts << CornerText::staminaObservation(fatigueLevel);
    codes << fatigueLevel;
    const int healths[4][2] = {{headHealth, headHealthMax}, {bodyHealth, bodyHealthMax},
                               {armsHealth, armsHealthMax}, {legsHealth, legsHealthMax}};
    for (int region = CornerText::Head; region <= CornerText::Legs; ++region) {
        const int code = severity(healths[region][0], healths[region][1]);
        texts << CornerText::regionObservation(CornerText::Region(region), code);
        codes << code;
    }
}

void Entity_MatchFighter::recoverBetweenRounds(int heal, int water, int motivate, int strategy)
{
    const int healRoll = heal + GameRandom::roll(10) + 1;
    const int waterRaw = GameRandom::draw();
    const int motivateRoll = motivate + GameRandom::roll(10) + 1;
    const int strategyRaw = GameRandom::draw();
    // Durabilities and attributes may change below.
    currentSnapshot = nullptr;

    if (healRoll > 14) {
        const int gain = GameRandom::roll(50) + 1;
        headHealth += gain;
        bodyHealth += gain;
        armsHealth += gain;
        legsHealth += gain;
    }
    if (water + waterRaw % 10 + 1 > 10)
        stamina += GameRandom::roll(100) + 1;
    if (motivateRoll > 13) {
        const int gain = GameRandom::roll(8) + 1;
        headDurability += gain;
        bodyDurability += gain;
    }
    if (strategy + strategyRaw % 10 + 1 >= 12) {
        const int gain = GameRandom::roll(8) + 1;
        attributes[FightIq] += gain;
        attributes[Vision] += gain;
        attributes[Adaptation] += gain;
    }
}
