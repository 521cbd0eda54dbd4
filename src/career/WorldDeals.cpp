// The player's deals with the organizations, for the management and
// events screens: each a chain of world changes in a fixed order.
#include "world/World.h"

#include "records/Match.h"

namespace {

// The organization weighs the fighter at `position`: his texts, his
// numbers and his training state.
bool negotiateFor(World &world, int position, const QString &name, int matches, int purse, QString &refusal)
{
    QStringList texts;
    QVector<int> numbers;
    QVector<int> trainingState;
    world.getFighterStrings(texts, position);
    world.getFighterAttributes(numbers, position);
    world.getTrainingState(trainingState, position);
    return world.negotiateWithOrg(name, texts, numbers, trainingState, matches, purse, refusal);
}

} // namespace

World::DealStanding World::dealStanding(int position, const QString &name) const
{
    const GymFighter *fighter = rosterAt(position);
    if (!fighter)
        return DealStanding::NoFighter;
    if (fighter->isFreeAgent())
        return DealStanding::FreeAgent;
    return fighter->getOrganization() == name ? DealStanding::SignedWithIt : DealStanding::SignedElsewhere;
}

World::Deal World::negotiateContract(int position, const QString &name, int matches, int purse, QString &refusal)
{
    const DealStanding standing = dealStanding(position, name);
    if (standing == DealStanding::NoFighter || standing == DealStanding::SignedElsewhere)
        return Deal::RuledOut;
    const int id = getFighterId(position);
    const bool agreed = negotiateFor(*this, position, name, matches, purse, refusal);
    if (agreed)
        signContract(id, name, matches, purse);
    // A negotiation, whatever came of it, ends the fighter's pending offers.
    removeOffer(id);
    return agreed ? Deal::Done : Deal::TurnedDown;
}

World::Deal World::acceptOffer(const Offer &offer)
{
    const int id = offer.getId();
    if (!bookFighter(id, offer.getFighterName(), offer.getOrganization(), offer.getEventName(), MatchType::Single,
                     offer.getDate(), true))
        return Deal::NotBooked;
    // A one-match contract at the purse the organization works out.
    signContract(id, offer.getOrganization(), 1, -1);
    updateBooking(offer);
    removeOffersForEvent(offer.getEventName());
    removeOffer(id);
    return Deal::Done;
}

World::Deal World::negotiateAppearance(int position, const QString &name, const QString &eventName,
                                       const QDate &eventDate, int purse, QString &refusal)
{
    if (dealStanding(position, name) != DealStanding::FreeAgent)
        return Deal::RuledOut;
    if (!negotiateFor(*this, position, name, 1, purse, refusal))
        return Deal::TurnedDown;
    const int id = getFighterId(position);
    const QString fullName = getFighterById(id).getFullName();
    if (!bookFighter(id, fullName, name, eventName, MatchType::Single, eventDate, true))
        return Deal::NotBooked;
    signContract(id, name, 1, purse);
    removeOffer(id);
    Offer booking;
    booking.set(id, {fullName, eventName, name}, eventDate);
    updateBooking(booking);
    return Deal::Done;
}
