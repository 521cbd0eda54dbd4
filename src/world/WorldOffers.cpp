// Pending match offers, the bookings of the player's fighters, and putting
// a fighter under contract or on a card.

#include "World.h"

#include "records/Manager.h"

#include <algorithm>

namespace {

// Purse per match when the player leaves it to the organization: the tier
// multiplies the fighter's draw; an unknown tier pays as "Regional".
int tierPurseFactor(const QString &tier)
{
    static const QStringList tiersLowestFirst{"Regional", "National", "International", "World Class", "Elite"};
    return std::max(1, int(tiersLowestFirst.indexOf(tier)) + 1);
}

} // namespace

Offer World::getOffer(int position) const
{
    const Offer *offer = entryAt(offers, position);
    return offer ? *offer : Offer();
}

QStringList World::getOfferEventNames() const
{
    QStringList names;
    for (const Offer &offer : offers)
        names << offer.getEventName();
    return names;
}

void World::removeOffer(int id)
{
    offers.erase(std::remove_if(offers.begin(), offers.end(),
                                [id](const Offer &offer) { return offer.getId() == id; }),
                 offers.end());
}

void World::removeOffersForEvent(const QString &eventName)
{
    // Only the first: several fighters may hold offers for one event.
    for (int i = 0; i < offers.size(); ++i) {
        if (offers.at(i).getEventName() == eventName) {
            offers.remove(i);
            return;
        }
    }
}

void World::removeExpiredOffers()
{
    const QDate today = date;
    offers.erase(std::remove_if(offers.begin(), offers.end(),
                                [today](const Offer &offer) { return offer.isWithinWeek(today); }),
                 offers.end());
}

void World::updateBooking(const Offer &booking)
{
    for (Offer &entry : bookings) {
        if (entry.getId() == booking.getId()) {
            entry = booking;
            return;
        }
    }
}

void World::clearBooking(int id)
{
    for (Offer &entry : bookings) {
        if (entry.getId() == id) {
            entry.reset();
            return;
        }
    }
}

QMap<QString, QString> World::getBookingDescriptions() const
{
    QMap<QString, QString> descriptions;
    for (const Offer &booking : bookings)
        descriptions.insert(booking.getFighterName(), booking.getEventName() + " - " + booking.getDateText());
    return descriptions;
}

bool World::negotiateWithOrg(const QString &name, const QStringList &texts, const QVector<int> &ints,
                             const QVector<int> &trainingState, int matches, int purse, QString &message)
{
    Organization *organization = findOrganization(name);
    if (!organization || !manager)
        return false;
    QVector<int> managerNumbers;
    manager->getData(managerNumbers);
    const int negotiating = managerNumbers.value(Manager::NegotiatingIndex);
    return organization->negotiate(texts, ints, trainingState, matches, purse, negotiating, message);
}

bool World::bookFighter(int id, const QString &fighterName, const QString &name, const QString &eventName,
                        const QString &matchType, const QDate &eventDate, bool playerFighter)
{
    Organization *organization = findOrganization(name);
    if (!organization)
        return false;
    // Only the organization's next event takes bookings, and only while
    // more than its main event is open. The year is not compared.
    const Event next = organization->getNextEvent(date);
    const QDate nextDate = next.getDate();
    if (next.isCardComplete() || nextDate.day() != eventDate.day() || nextDate.month() != eventDate.month())
        return false;
    return organization->updateNamedEvent(id, fighterName, eventName, matchType, playerFighter, date);
}

void World::signContract(int id, const QString &name, int matches, int purse)
{
    const Organization *organization = findOrganization(name);
    GymFighter *fighter = rosterFighter(id);
    if (!organization || !fighter)
        return;

    if (purse < 0) {
        QStringList info;
        organization->getInfo(info);
        QVector<int> trainingState;
        fighter->getTrainingState(trainingState);
        const int charisma = trainingState.value(GymFighter::CharismaIndex);
        const int reputationPoints = trainingState.value(GymFighter::ReputationPointsIndex);
        purse = ((charisma + 1) * reputationPoints + 1000) * tierPurseFactor(info.value(Organization::TierText));
    }
    fighter->setContract(name, matches, purse);
}
