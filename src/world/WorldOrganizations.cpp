// The fighting organizations: their details, the calendar, today's events,
// the bookkeeping after an event and the turn of the year.

#include "World.h"

#include <algorithm>

namespace {

enum EventsTaken { OnePerOrganization, AllPerOrganization };

// The events that pass `keep`, organization by organization and within each
// in its own order.
template <typename Keep>
QVector<Event> collectEvents(const QVector<Organization> &organizations, Keep keep, EventsTaken taken)
{
    QVector<Event> found;
    for (const Organization &organization : organizations) {
        QVector<Event> events;
        organization.getEvents(events);
        for (const Event &event : qAsConst(events)) {
            if (!keep(event))
                continue;
            found << event;
            if (taken == OnePerOrganization)
                break;
        }
    }
    return found;
}

} // namespace

void World::getOrgNames(QStringList &out) const
{
    for (const Organization &organization : organizations)
        out << organization.getName();
}

void World::getOrgInfo(const QString &name, QStringList &out) const
{
    if (const Organization *organization = findOrganization(name))
        organization->getInfo(out);
}

void World::getOrgEventResults(const QString &name, QStringList &texts, QVector<Event> &events,
                               QVector<Event> &lastYearEvents, QMultiMap<int, Fighter> &roster,
                               QMap<QString, QString> &titles) const
{
    const Organization *organization = findOrganization(name);
    if (!organization)
        return;
    organization->getData(texts, events, lastYearEvents, roster, titles);
    // Only this year's events that are already over.
    const QDate today = date;
    events.erase(std::remove_if(events.begin(), events.end(),
                                [today](const Event &event) { return event.getDate() >= today; }),
                 events.end());
}

QVector<Event> World::getEventsOn(const QDate &day) const
{
    return collectEvents(organizations, [day](const Event &event) { return event.getDate() == day; },
                         OnePerOrganization);
}

QVector<Event> World::getTodaysEvents() const
{
    const QDate today = date;
    return collectEvents(organizations, [today](const Event &event) {
        return event.getDate() == today && !event.hasPlayerFighter();
    }, AllPerOrganization);
}

QVector<Event> World::getTodaysPlayerEvents() const
{
    const QDate today = date;
    return collectEvents(organizations, [today](const Event &event) {
        return event.getDate() == today && event.hasPlayerFighter() && event.getResultLines().isEmpty();
    }, AllPerOrganization);
}

void World::changeOrgRoster(const QString &name, int id, int amount)
{
    if (Organization *organization = findOrganization(name))
        organization->addFighterStanding(id, amount);
}

void World::storeOrgEventResults(const QStringList &resultLines, const QString &eventName, const QString &name)
{
    if (Organization *organization = findOrganization(name))
        organization->storeEventResults(resultLines, eventName, date);
}

void World::rollOrgReputationLabels(const QString &name)
{
    if (Organization *organization = findOrganization(name))
        organization->rollReputationLabels();
}

void World::updateChampionship(const QString &name, const QString &title, int id, bool playerFighter)
{
    Organization *organization = findOrganization(name);
    if (!organization)
        return;

    QString holder;
    if (playerFighter) {
        const GymFighter *fighter = rosterFighter(id);
        if (!fighter)
            return;
        // His contract ran out with this very match: the world title is left
        // empty rather than held by a free agent.
        holder = fighter->isFreeAgent() && title.contains("World Championship") ? QString("Vacant")
                                                                        : fighter->getFullName();
    } else {
        QMultiMap<int, Fighter> members;
        organization->getRoster(members);
        const auto it = std::find_if(members.cbegin(), members.cend(),
                                     [id](const Fighter &fighter) { return fighter.getId() == id; });
        if (it == members.cend())
            return;
        holder = it->getFullName();
    }
    organization->setTitleHolder(title, holder);
}

void World::orgsNewYear()
{
    for (Organization &organization : organizations)
        organization.newYear();
}

void World::dropOldOrgTitles()
{
    for (Organization &organization : organizations)
        organization.dropOldTitleEntries(date);
}
