// The world's fighters grow older: birthdays, retirements, amateurs coming
// of age, and from 2021 on a new free agent whenever the pool runs low.
#include "world/World.h"

#include "records/GameRandom.h"

namespace {

// A retirement draw by age: from `fromAge` on, qrand() % range + base; a
// draw of 10 or more retires him. Bands are listed oldest first.
struct RetirementBand
{
    int fromAge;
    int range;
    int base;
};
const RetirementBand organizationBands[] = {{51, 20, 5}, {46, 15, 1}, {41, 10, 1}};
const RetirementBand freeAgentBands[] = {{46, 20, 5}, {43, 15, 1}, {38, 10, 1}};
const int RetiringDraw = 10;
// An organization lets at most this many fighters go in a day.
const int DailyRetirements = 4;
const int ComingOfAge = 18;
const int FreeAgentsWanted = 20;
const int LastYearWithoutNewFreeAgents = 2020;
const int AmateurKeyStep = 100;

// The band a fighter of that age draws in; none when he is too young.
template <int N>
const RetirementBand *bandFor(const RetirementBand (&bands)[N], int age)
{
    for (const RetirementBand &band : bands) {
        if (age >= band.fromAge)
            return &band;
    }
    return nullptr;
}

bool drawsRetirement(const RetirementBand *band)
{
    return band && GameRandom::roll(band->range) + band->base >= RetiringDraw;
}

QString birthdayLine(const Fighter &fighter, int age)
{
    return fighter.getFullName() + " has turned " + QString::number(age) + " years old.";
}

QString comingOfAgeLine(const QString &name)
{
    return name + " has come of age and turned professional.";
}

// Stage one: the organizations' fighters, walked over a copy of each roster.
void ageOrganizationFighters(QVector<Organization> &organizations, const QDate &date, int month, int day,
                             QStringList &news)
{
    // Every organization fighter is met with a reseed from the clock. Reseeds
    // with no draw between them come to one, the last: so the reseed is made
    // only before a draw, or once after the walk.
    bool reseedPending = false;
    for (Organization &organization : organizations) {
        Organization::Roster members;
        organization.getRoster(members);
        int retired = 0;
        for (const Fighter &fighter : qAsConst(members)) {
            int oldAge = 0;
            const int age = fighter.getAgeOn(month, day, oldAge);
            if (age != oldAge)
                news << birthdayLine(fighter, age);
            reseedPending = true;
            const RetirementBand *band = bandFor(organizationBands, age);
            if (band) {
                GameRandom::reseedWithClock();
                reseedPending = false;
            }
            if (drawsRetirement(band)) {
                // Refused on fight day: he stays, and so does his old age.
                if (!organization.withdrawFighterFromEvents(fighter.getId(), date.year() - 1, date))
                    continue;
                news << fighter.getFullName() + " has retired from " + organization.getName();
                if (++retired == DailyRetirements)
                    break;
            } else if (age != oldAge) {
                // Reseeds before its own draws.
                organization.ageFighter(fighter.getId());
                reseedPending = false;
            }
        }
    }
    if (reseedPending)
        GameRandom::reseedWithClock();
}

// Stage two: the free-agent pool. Returns the last key seen, 0 for an empty
// pool.
int ageFreeAgents(QMultiMap<int, Fighter> &freeAgents, int month, int day, QStringList &news)
{
    int lastKey = 0;
    for (auto it = freeAgents.begin(); it != freeAgents.end();) {
        lastKey = it.key();
        int oldAge = 0;
        const int age = it->getAgeOn(month, day, oldAge);
        if (age != oldAge)
            news << birthdayLine(*it, age);
        if (drawsRetirement(bandFor(freeAgentBands, age))) {
            news << it->getFullName() + " has retired.";
            it = freeAgents.erase(it);
            continue;
        }
        if (age != oldAge)
            it->ageOneYear();
        ++it;
    }
    return lastKey;
}

// The last stage: the amateur pool. Those who turn 18 join the free agents
// under keys a step apart above `lastKey`.
void ageAmateurs(QMultiMap<int, Fighter> &amateurs, QMultiMap<int, Fighter> &freeAgents, int lastKey, int month,
                 int day, QStringList &news)
{
    for (auto it = amateurs.begin(); it != amateurs.end();) {
        int oldAge = 0;
        const int age = it->getAgeOn(month, day, oldAge);
        if (age == ComingOfAge) {
            Fighter fighter = it.value();
            fighter.ageOneYear();
            fighter.setContract(Fighter::FreeAgentOrganization, 0);
            lastKey += AmateurKeyStep;
            freeAgents.insert(lastKey, fighter);
            news << comingOfAgeLine(fighter.getFullName());
            it = amateurs.erase(it);
            continue;
        }
        if (age != oldAge)
            it->ageOneYear();
        ++it;
    }
}

} // namespace

void World::ageWorldFighters(QStringList &news)
{
    const int month = date.isValid() ? date.month() : 0;
    const int day = date.isValid() ? date.day() : 0;
    ageOrganizationFighters(organizations, date, month, day, news);
    const int lastKey = ageFreeAgents(freeAgents, month, day, news);
    if (freeAgents.size() < FreeAgentsWanted && date.year() > LastYearWithoutNewFreeAgents) {
        QString name;
        generateFighter(name, false);
        news << comingOfAgeLine(name);
    }
    ageAmateurs(amateurs, freeAgents, lastKey, month, day, news);
}
