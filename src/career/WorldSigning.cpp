// The organizations sign free agents, and offer single matches to the
// player's unsigned fighters.
#include "world/World.h"

#include "records/GameRandom.h"
#include "records/ReputationLadder.h"

#include <QHash>

#include <algorithm>

namespace {

// A roster of this size or fewer takes whoever fits; a bigger one looks
// only at the free agents its tier cares about.
const int OpenRosterSize = 30;

struct TierWants
{
    const char *tier;
    // The worst reputation (ladder position) a full roster still signs.
    int worstSigned;
    // The reputation the organization offers a single match to.
    ReputationLadder::Rank offeredTo;
};

const TierWants tierWants[] = {
    {"Elite", ReputationLadder::WorldClass, ReputationLadder::WorldClass},
    {"World Class", ReputationLadder::ChampionshipCaliber, ReputationLadder::Contender},
    {"International", ReputationLadder::RespectableOpponent, ReputationLadder::NationallyRanked},
    {"National", ReputationLadder::RisingStar, ReputationLadder::LocalFighter},
    {"Regional", ReputationLadder::Unknown, ReputationLadder::Unknown},
};

const TierWants *wantsOf(const QString &tier)
{
    for (const TierWants &wants : tierWants) {
        if (tier == QLatin1String(wants.tier))
            return &wants;
    }
    return nullptr;
}

QString tierOf(const Organization &organization)
{
    QStringList info;
    organization.getInfo(info);
    return info.value(Organization::TierText);
}

int rosterSize(const Organization &organization)
{
    Organization::Roster members;
    organization.getRoster(members);
    return members.size();
}

// What the organizations read of each pool fighter, unpacked once a day
// (every organization walks the whole pool).
class PoolReadings
{
public:
    struct Reading
    {
        int ladderPosition;
        QVector<int> ints;
    };

    const Reading &of(const Fighter &agent)
    {
        auto found = readings.find(agent.getId());
        if (found != readings.end())
            return *found;
        Reading reading;
        QStringList texts;
        agent.getStrings(texts);
        reading.ladderPosition = ReputationLadder::labels().indexOf(texts.value(Fighter::ReputationText));
        agent.getInts(reading.ints);
        return *readings.insert(agent.getId(), reading);
    }

private:
    QHash<int, Reading> readings;
};

// A full roster considers a free agent within its tier's reputation; a
// label off the ladder passes every tier, an unknown tier passes nobody.
bool considers(const TierWants *wants, int size, int ladderPosition)
{
    if (size <= OpenRosterSize)
        return true;
    return wants && ladderPosition <= wants->worstSigned;
}

bool isOpenSide(const Event &event)
{
    return !event.singleMatchesFilled() && !event.isCardComplete();
}

} // namespace

void World::signFreeAgents(QStringList &news)
{
    PoolReadings pool;
    for (Organization &organization : organizations) {
        const TierWants *wants = wantsOf(tierOf(organization));
        int size = rosterSize(organization);
        for (auto it = freeAgents.begin(); it != freeAgents.end();) {
            const PoolReadings::Reading &reading = pool.of(it.value());
            if (!considers(wants, size, reading.ladderPosition)) {
                ++it;
                continue;
            }
            QMultiMap<QDate, QString> history;
            it->getHistory(history);
            if (!organization.fitsFighter(reading.ints, history)) {
                ++it;
                continue;
            }
            Fighter agent = it.value();
            organization.addFighter(agent);
            news << agent.getFullName() + " has been signed by " + organization.getName() + ".";
            it = freeAgents.erase(it);
            size = rosterSize(organization);
            if (size > OpenRosterSize)
                break;
        }
    }
}

void World::generateOffers()
{
    GameRandom::reseedWithClock();
    for (const Organization &organization : organizations) {
        const QString name = organization.getName();
        const TierWants *wants = wantsOf(tierOf(organization));
        const Event next = organization.getNextEvent(date);
        const int r = GameRandom::draw();

        const QDate eventDate = next.getDate();
        if (r % 5 != 4 || !eventDate.isValid() || date.daysTo(eventDate) <= 2 || !isOpenSide(next))
            continue;
        const auto fromHere = [&name](const Offer &offer) { return offer.getOrganization() == name; };
        if (std::any_of(bookings.cbegin(), bookings.cend(), fromHere)
            || std::any_of(offers.cbegin(), offers.cend(), fromHere) || !wants)
            continue;

        const QString wanted = ReputationLadder::label(wants->offeredTo);
        for (const GymFighter &fighter : roster) {
            QStringList texts;
            fighter.getStrings(texts);
            if (texts.value(Fighter::ReputationText) != wanted || !fighter.isFreeAgent())
                continue;
            Offer offer;
            offer.set(fighter.getId(), {fighter.getFullName(), next.getName(), name}, eventDate);
            offers << offer;
            break;
        }
    }
}
