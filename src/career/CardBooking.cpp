#include "CardBooking.h"

#include "BookingChoice.h"
#include "records/GameRandom.h"
#include "records/Match.h"
#include "world/World.h"

#include <algorithm>

namespace {

const char VacantHolder[] = "Vacant";
// Days before the event from which the card is filled in one go.
const int LastWeek = 7;
// Attempts while more than a week away: the counter runs from 10 to 0.
const int AttemptCounterStart = 10;
// A card the roster cannot fill would take attempts for ever within its
// last week; the attempts of one day are bounded by the roster's size.
const int AttemptsPerRosterFighter = 10;
const int MinimumAttempts = 300;

// A side is only ever given a real fighter.
bool isPlaceable(const BookingCandidate &candidate)
{
    return candidate.id != 0 && !candidate.fullName.trimmed().isEmpty();
}

} // namespace

CardBooking::CardBooking(World &world, Organization &organization, const QVector<GymFighter> &playerFighters,
                         QVector<Offer> &bookings, const QDate &today)
    : world(world), organization(organization), playerFighters(playerFighters), bookings(bookings), today(today)
{
    organization.getRoster(roster);
    organization.getTitles(titles);
    next = organization.getNextEvent(today);
}

void CardBooking::run(QStringList &news)
{
    bookTitleHolder(news);
    fillCard(news);
}

// The player's fighters under contract with this organization, in the
// player's roster order.
QVector<Fighter> CardBooking::signedPlayerFighters() const
{
    QVector<Fighter> found;
    for (const GymFighter &fighter : playerFighters) {
        QString contract;
        int matches = 0, purse = 0;
        fighter.getContract(contract, matches, purse);
        if (contract == organization.getName())
            found << fighter;
    }
    return found;
}

// The holder of the first title; a vacant title goes to the best ranked,
// or to the second best when the event is already named after the best.
bool CardBooking::findTitleCandidate(BookingCandidate &candidate) const
{
    if (titles.isEmpty())
        return false;
    QString name = titles.first();
    if (name == VacantHolder) {
        auto best = roster.constBegin();
        if (best != roster.constEnd() && next.getName().contains(best->getLastName()))
            ++best;
        if (best == roster.constEnd())
            return false;
        name = best->getFullName();
    }

    // A player's fighter fights for the title only while under contract here.
    const QVector<Fighter> signedFighters = signedPlayerFighters();
    const auto isHolder = [&name](const Fighter &fighter) { return fighter.getFullName() == name; };
    const Fighter *holder = nullptr;
    auto player = std::find_if(signedFighters.cbegin(), signedFighters.cend(), isHolder);
    if (player != signedFighters.cend()) {
        holder = &*player;
        candidate.playerFighter = true;
    } else {
        auto member = std::find_if(roster.cbegin(), roster.cend(), isHolder);
        if (member == roster.cend())
            return false;
        holder = &*member;
    }
    candidate.id = holder->getId();
    candidate.fullName = name;
    candidate.lastName = holder->getLastName();
    candidate.matchType = MatchType::Championship;
    candidate.goesAhead = true;
    return isPlaceable(candidate);
}

void CardBooking::bookTitleHolder(QStringList &news)
{
    if (!next.hasChampionshipMatch() || next.championshipMatchesFilled())
        return;
    BookingCandidate candidate;
    if (!findTitleCandidate(candidate))
        return;
    const QString eventName = next.getName();
    if (!book(candidate, eventName))
        return;
    news << "Booked " + candidate.fullName + " for a Championship Match at " + eventName;
    // The title fight is the organization's own choice: no offer is taken back.
    followUp(candidate, eventName, false);
}

bool CardBooking::book(const BookingCandidate &candidate, const QString &eventName)
{
    return isPlaceable(candidate)
        && organization.updateNamedEvent(candidate.id, candidate.fullName, eventName, candidate.matchType,
                                         candidate.playerFighter, today);
}

void CardBooking::fillCard(QStringList &news)
{
    next = organization.getNextEvent(today);
    QVector<int> remembered;
    int counter = AttemptCounterStart;
    const int maxAttempts = std::max(AttemptsPerRosterFighter * int(roster.size()), MinimumAttempts);
    if (roster.isEmpty() && signedPlayerFighters().isEmpty())
        return;

    BookingChoice choice(next, roster, titles, today.day());
    int lastMillisecond = -1;
    for (int attempt = 0; counter >= 0 && attempt < maxAttempts; ++attempt) {
        // Every reseed of an attempt ends in the clock's milliseconds plus the
        // day, so all attempts made within one millisecond would draw the
        // same fighter: on a fast machine a whole last-week pass of hundreds
        // of attempts met only one or two candidates and left the card open.
        // An attempt in the same millisecond as the one before draws on from
        // the running sequence instead of replaying it.
        const int millisecond = GameRandom::milliseconds();
        const bool clockMoved = millisecond != lastMillisecond;
        lastMillisecond = millisecond;
        if (clockMoved)
            GameRandom::seed(unsigned(millisecond + GameRandom::processorClock()));
        choice.setReseeding(clockMoved);
        const QVector<Fighter> signedFighters = signedPlayerFighters();
        const int r = GameRandom::draw();
        BookingCandidate candidate;
        bool chosen = true;
        if (!signedFighters.isEmpty() && r % 5 == 2)
            candidate = choice.choosePlayerFighter(signedFighters);
        else
            chosen = choice.chooseOrganizationFighter(remembered, candidate);

        const QString eventName = next.getName();
        const bool booked = chosen && candidate.goesAhead && book(candidate, eventName);
        if (booked) {
            news << "Booked " + candidate.fullName + " for a " + candidate.matchType + " at " + eventName;
            // Reads the event again.
            followUp(candidate, eventName, true);
            choice.setEvent(next);
        } else if (chosen && !candidate.playerFighter && !remembered.contains(candidate.position)) {
            remembered << candidate.position;
        }

        // An empty event has no date and counts as within the week.
        if (today.daysTo(next.getDate()) > LastWeek) {
            --counter;
            if (booked)
                return;
        } else if (!choice.facts().singlesOpen && !choice.facts().entriesOpen) {
            return;
        }
    }
}

void CardBooking::followUp(const BookingCandidate &candidate, const QString &eventName, bool removeOffer)
{
    if (removeOffer)
        world.removeOffersForEvent(eventName);
    organization.nameEventAfterMainEvent(eventName, candidate.lastName);
    next = organization.getNextEvent(today);

    if (candidate.playerFighter) {
        Offer booking;
        booking.set(candidate.id, {candidate.fullName, next.getName(), organization.getName()}, next.getDate());
        world.updateBooking(booking);
        return;
    }
    for (Offer &booking : bookings) {
        if (booking.getEventName() == eventName) {
            booking.setEventName(next.getName());
            return;
        }
    }
}
