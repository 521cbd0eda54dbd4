#include "UnseenBouts.h"

#include "match/UnseenBout.h"
#include "records/Event.h"
#include "records/Match.h"
#include "world/World.h"

namespace {

const QString LineEnd = QStringLiteral("\n");

// The roster's fighter, or nothing for an open side or an id the
// organization no longer holds.
bool rosterFighter(const World &world, const QString &organization, int id, Fighter &out)
{
    if (id == 0)
        return false;
    out = world.getOrgFighter(organization, id);
    return out.getId() == id;
}

// After a tournament booking the event in hand is read afresh (its card
// may have grown) and the pass goes on with the fresh list. Without it the
// pass finishes with the card in hand.
void refetch(const World &world, QVector<Event> &today, int &position, Event &inHand)
{
    const QVector<Event> fresh = world.getTodaysEvents();
    const int found = BoutRecording::findEvent(fresh, inHand);
    if (found < 0)
        return;
    today = fresh;
    position = found;
    inHand = fresh.at(found);
}

EventResults fightEvent(World &world, QVector<Event> &today, int &position, UnseenBouts::Counts &counts)
{
    Event event = today.at(position);
    EventResults results;
    results.eventName = event.getName();
    for (int bout = 0; bout < event.getMatches().size(); ++bout) {
        const RecordedBout recorded = UnseenBouts::simulateMatch(world, event, event.getMatches().at(bout));
        if (recorded.matchLine.isEmpty()) {
            ++counts.skipped;
            continue;
        }
        ++counts.fought;
        if (recorded.tournamentWinner == 0) {
            results.lines << recorded.matchLine + LineEnd;
            continue;
        }
        results.lines << recorded.matchLine << recorded.booked + LineEnd;
        if (!recorded.booked.isEmpty())
            refetch(world, today, position, event);
    }
    BoutRecording::storeEventResults(world, event, results.lines);
    return results;
}

} // namespace

QVector<EventResults> UnseenBouts::decide(World &world)
{
    Counts counts;
    return decideCounting(world, counts);
}

QVector<EventResults> UnseenBouts::decideCounting(World &world, Counts &counts)
{
    QVector<EventResults> all;
    QVector<Event> today = world.getTodaysEvents();
    for (int position = 0; position < today.size(); ++position)
        all << fightEvent(world, today, position, counts);
    return all;
}

RecordedBout UnseenBouts::simulateMatch(World &world, const Event &event, const Match &match)
{
    const QString organization = event.getOrganization();
    BoutResult bout;
    int standingGap = 0;
    {
        // Copies of the roster fighters, which share their histories: gone
        // before the results are written, so that writing copies none.
        Fighter a;
        Fighter b;
        if (!rosterFighter(world, organization, match.getIdA(), a)
            || !rosterFighter(world, organization, match.getIdB(), b))
            return RecordedBout();
        bout = UnseenBout::fight(a, b);
        standingGap = BoutRecording::standingGap(a, b, bout.winnerId);
    }
    return BoutRecording::record(world, event, match.getType(), bout, standingGap);
}
