// The organizations sign free agents, and offer single matches to the
// player's unsigned fighters.
#include "world/World.h"

#include "records/GameRandom.h"
#include "records/ReputationLadder.h"

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
        if (tier == wants.tier)
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

// A full roster considers a free agent within its tier's reputation; a
// label off the ladder passes every tier, an unknown tier passes nobody.
bool considers(const TierWants *wants, int size, const Fighter &agent)
{
    if (size <= OpenRosterSize)
        return true;
    if (!wants)
        return false;
    QStringList texts;
    agent.getStrings(texts);
    return ReputationLadder::labels().indexOf(texts.value(Fighter::ReputationText)) <= wants->worstSigned;
}

bool isOpenSide(const Event &event)
{
    return !event.singleMatchesFilled() && !event.isCardComplete();
}

} // namespace

void World::signFreeAgents(QStringList &news)
{
    for (Organization &organization : organizations) {
        const TierWants *wants = wantsOf(tierOf(organization));
        int size = rosterSize(organization);
        for (auto it = freeAgents.begin(); it != freeAgents.end();) {
            Fighter agent = it.value();
            QVector<int> ints;
            agent.getInts(ints);
            QMultiMap<QDate, QString> history;
            agent.getHistory(history);
            if (!considers(wants, size, agent) || !organization.fitsFighter(ints, history)) {
                ++it;
                continue;
            }
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
            if (texts.value(Fighter::ReputationText) != wanted
                || texts.value(Fighter::OrganizationText) != "Free Agent")
                continue;
            Offer offer;
            offer.set(fighter.getId(), {fighter.getFullName(), next.getName(), name}, eventDate);
            offers << offer;
            break;
        }
    }
}
