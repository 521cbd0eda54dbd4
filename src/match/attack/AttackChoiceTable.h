#ifndef ATTACKCHOICETABLE_H
#define ATTACKCHOICETABLE_H

#include <QVector>

#include "CommentaryLine.h"
#include "StateFactory.h"

// One strike an attack-choice state can pick: the attributes its score is
// summed from, the attribute that sets the score's divisor, and the five
// lines that announce it.
struct AttackOption
{
    int strikeCode;
    int terms[3];
    int divisorIndex;
    CommentaryLine lines[5];
};

// How the attacker picks a strike at one range: the six options in
// option order, the ranked draw's append order, which options the
// "Puncher" and "Kicker" bonus draws go to, and what the state announces
// and marks as the fighter's situation.
struct AttackChoicePlan
{
    // A bonus draw that is taken but added to no score.
    static const int NoOption = -1;

    int announceCode;
    int situation;
    StateFactory create;
    QVector<AttackOption> options;
    QVector<int> appendOrder;
    // Targets of the bonus draws, in draw order. Every style makes the
    // first draw; a style without a plan makes only that one, unused.
    QVector<int> puncherBonus;
    QVector<int> kickerBonus;
};

namespace AttackChoiceTable {

const AttackChoicePlan &outAttack();
const AttackChoicePlan &inAttack();
const AttackChoicePlan &clinchAttack();

// The bonus plan of a style index (3 "Puncher", 4 "Kicker", others none).
const QVector<int> &bonusPlan(const AttackChoicePlan &plan, int styleIndex);

// A new attack-choice state for the situation an attack was chosen in
// (6 long range, 7 pocket, 8 clinch); null for any other situation.
Entity_MatchFighter::FightState *createForSituation(int situation, Entity_MatchFighter *fighter);

} // namespace AttackChoiceTable

#endif // ATTACKCHOICETABLE_H
