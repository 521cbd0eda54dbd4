#ifndef EVENTSCHEDULE_H
#define EVENTSCHEDULE_H

#include <QString>
#include <QVector>

#include "data/OrganizationTable.h"
#include "records/Event.h"

// The events of one organization for the default world's year: their
// dates, names, places and cards, every side still "TBA".
//
// The career simulation relies on the shape of the cards: a title fight is
// the main event of a card titled with the organization's championship; a
// Grand Prix is a card of eight qualifiers followed, as the organization's
// very next event, by the card of quarterfinals, semifinals and the final,
// which is titled with the Grand Prix; every other card is "No Title".
namespace EventSchedule {

QString championshipTitle(const QString &organizationName);
QString grandPrixTitle(const QString &organizationName, int year);

// The year's events of the organization at `position` in the table, in
// date order, at most one a day. The position staggers the calendars of
// organizations of the same tier.
QVector<Event> eventsOf(const OrganizationTable::Organization &organization, int position);

} // namespace EventSchedule

#endif // EVENTSCHEDULE_H
