#ifndef CARDBOOKING_H
#define CARDBOOKING_H

#include <QDate>
#include <QStringList>
#include <QVector>

#include "records/Event.h"
#include "records/Fighter.h"
#include "records/GymFighter.h"
#include "records/Offer.h"
#include "records/Organization.h"

class World;
struct BookingCandidate;

// One organization's part of the daily booking pass: its title holder into
// an open title fight, then the other open sides of its next event, one
// attempt at a time (at most one booking a day while the event is more
// than a week away, as many as it takes within the last week).
class CardBooking
{
public:
    CardBooking(World &world, Organization &organization, const QVector<GymFighter> &playerFighters,
                QVector<Offer> &bookings, const QDate &today);

    // Appends one line per booking.
    void run(QStringList &news);

private:
    void bookTitleHolder(QStringList &news);
    void fillCard(QStringList &news);
    bool findTitleCandidate(BookingCandidate &candidate) const;
    QVector<Fighter> signedPlayerFighters() const;
    bool book(const BookingCandidate &candidate, const QString &eventName);
    void followUp(const BookingCandidate &candidate, const QString &eventName, bool removeOffer);

    World &world;
    Organization &organization;
    const QVector<GymFighter> &playerFighters;
    QVector<Offer> &bookings;
    const QDate today;
    Organization::Roster roster;
    Organization::Titles titles;
    Event next;
};

#endif // CARDBOOKING_H
