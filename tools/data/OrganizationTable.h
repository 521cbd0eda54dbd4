#ifndef ORGANIZATIONTABLE_H
#define ORGANIZATIONTABLE_H

#include <QString>
#include <QStringList>
#include <QVector>

// The 18 organizations of a new game and what each tier makes of them: how
// many events a year, how big a card, how often a title is at stake, whether
// a Grand Prix is held, and which reputations its fighters carry.
namespace OrganizationTable {

struct Organization
{
    QString key;        // file name part: default_orgs_<key>.dat
    QString name;       // the name the world and the screens know it by
    QString ceo;
    QString nation;
    QString arena;      // the fourth text: its home arena
    QString tier;
    QString bio;
    QStringList cities; // where its events are held, the home city first
    int rosterSize;
    bool championVacant; // the title is vacant at the start of the game
};

struct TierPlan
{
    QString tier;
    int eventsPerYear;
    int singleCardMatches;       // bouts on an ordinary card
    int championshipUndercard;   // bouts before the title fight
    int championshipEvery;       // every n-th event puts the title at stake
    bool holdsGrandPrix;
    int bestReputation;          // ReputationLadder ranks its roster spans,
    int worstReputation;         // best ranked fighter first
};

// The organizations in the order a new game reads them.
const QVector<Organization> &organizations();
// The five tiers, highest first.
const QVector<TierPlan> &tierPlans();
// The plan of a tier; the lowest tier's for an unknown one.
const TierPlan &planOf(const QString &tier);

} // namespace OrganizationTable

#endif // ORGANIZATIONTABLE_H
