#include "ResultState.h"

#include "Entity_MatchFighter.h"
#include "FightMath.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "Mindset.h"
#include "State_Gen_KD.h"
#include "State_Gen_KO.h"
#include "defence/State_Def_DefendDecide.h"
#include "defence/State_Def_Out.h"
#include "records/GameRandom.h"

ResultState::ResultState(Entity_MatchFighter *fighter)
    : MatchState(fighter)
{
}

void ResultState::onMessage(Entity_MatchFighter *fighter, int code)
{
    int range;
    switch (code) {
    case MatchMessage::AttackOut: range = 1; break;
    case MatchMessage::AttackIn: range = 0; break;
    case MatchMessage::AttackClinch: range = 2; break;
    case MatchMessage::MovedOut:
        fighter->changeState(new State_Def_Out(fighter));
        return;
    default:
        return;
    }
    fighter->setSituation(range);
    fighter->changeState(new State_Def_DefendDecide(fighter));
}

void ResultState::hurtRoll(Entity_MatchFighter *fighter, int damage) const
{
    int rolls = 0;
    for (int i = 0; i < 3; ++i)
        rolls += GameRandom::roll(100);
    if (steadiness() <= rolls + 3 * damage)
        fighter->setMindset(Mindset::CaughtOffGuard);
}

void ResultState::knockdownHandOver(Entity_MatchFighter *fighter)
{
    fighter->changeState(new State_Gen_KD(fighter));
    MatchEngine::Instance().announceKnockdown(fighter);
}

void ResultState::knockoutHandOver(Entity_MatchFighter *fighter)
{
    fighter->changeState(new State_Gen_KO(fighter));
}

bool ResultState::handOverFallen(Entity_MatchFighter *fighter, int damageResult)
{
    if (damageResult == Entity_MatchFighter::KnockedOut) {
        knockoutHandOver(fighter);
        return true;
    }
    if (damageResult == Entity_MatchFighter::KnockedDown) {
        knockdownHandOver(fighter);
        return true;
    }
    return false;
}

void ResultState::commentOneOf(Entity_MatchFighter *fighter, const NamedLine *lines, int count)
{
    const NamedLine &line = lines[FightMath::pickIndex(count)];
    if (!fighter->isHeard())
        return;
    const QString name = line.fullName ? fighter->getFullName() : fighter->getLastName();
    fighter->appendCommentary(QString::fromUtf8(line.lead) + name + QString::fromUtf8(line.text));
}

void ResultState::commentOneOf(Entity_MatchFighter *fighter, const char *const texts[5])
{
    const char *text = texts[FightMath::pickIndex(5)];
    if (fighter->isHeard())
        fighter->appendCommentary(fighter->getLastName() + QString::fromUtf8(text));
}

bool ResultState::isHeadStrike(int code)
{
    using namespace MatchMessage;
    return (code >= Jab && code <= Uppercut) || code == HighKick || code == Elbow;
}
