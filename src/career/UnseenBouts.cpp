#include "UnseenBouts.h"

#include "match/BoutScoring.h"
#include "match/UnseenBout.h"
#include "records/Event.h"
#include "records/Match.h"
#include "world/World.h"

namespace {

const QString LineEnd = QStringLiteral("\n");

bool isTournamentStep(const QString &type)
{
    return type == QLatin1String(MatchType::Qualifier) || type == QLatin1String(MatchType::Quarterfinal)
           || type == QLatin1String(MatchType::Semifinal);
}

bool isTitleFight(const QString &type)
{
    return type == QLatin1String(MatchType::Final) || type == QLatin1String(MatchType::Championship);
}

bool sameEvent(const Event &a, const Event &b)
{
    return a.getOrganization() == b.getOrganization() && a.getName() == b.getName();
}

// The roster's fighter, or nothing for an open side or an id the
// organization no longer holds.
bool rosterFighter(const World &world, const QString &organization, int id, Fighter &out)
{
    if (id == 0)
        return false;
    out = world.getOrgFighter(organization, id);
    return out.getId() == id;
}

// After a tournament step the event in hand is read afresh (its card may
// have grown): the fresh list's event at the same position when it is the
// same one, else the first of that organization and name. Without either
// the pass finishes with the card in hand.
void refetch(const World &world, QVector<Event> &today, int &position, Event &inHand)
{
    const QVector<Event> fresh = world.getTodaysEvents();
    int found = -1;
    if (position < fresh.size() && sameEvent(fresh.at(position), inHand))
        found = position;
    for (int i = 0; found < 0 && i < fresh.size(); ++i) {
        if (sameEvent(fresh.at(i), inHand))
            found = i;
    }
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
        int tournamentWinner = 0;
        const QString line =
            UnseenBouts::simulateMatch(world, event, event.getMatches().at(bout), tournamentWinner);
        if (line.isEmpty()) {
            ++counts.skipped;
            continue;
        }
        ++counts.fought;
        if (tournamentWinner == 0) {
            results.lines << line + LineEnd;
            continue;
        }
        results.lines << line;
        const QString booked = world.advanceTournaments(tournamentWinner, event.getOrganization());
        refetch(world, today, position, event);
        results.lines << booked + LineEnd;
    }
    world.storeOrgEventResults(results.lines, results.eventName, event.getOrganization());
    world.rollOrgReputationLabels(event.getOrganization());
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

QString UnseenBouts::simulateMatch(World &world, const Event &event, const Match &match, int &tournamentWinner)
{
    const QString organization = event.getOrganization();
    BoutResult bout;
    int standingGap = 0; // the winner's standing less the loser's
    {
        // Copies of the roster fighters, which share their histories: gone
        // before the results are written, so that writing copies none.
        Fighter a;
        Fighter b;
        if (!rosterFighter(world, organization, match.getIdA(), a)
            || !rosterFighter(world, organization, match.getIdB(), b))
            return QString();
        bout = UnseenBout::fight(a, b);
        const bool aWon = a.getId() == bout.winnerId;
        standingGap = aWon ? a.getStanding() - b.getStanding() : b.getStanding() - a.getStanding();
    }
    const QString type = match.getType();
    bout.winnerLine += BoutScoring::recordLineEnding(event, type, true);
    bout.loserLine += BoutScoring::recordLineEnding(event, type, false);

    const int amount = BoutScoring::exchange(standingGap,
                                             bout.stoppage ? BoutScoring::Stoppage : BoutScoring::Decision);
    world.recordOrgFightResult(organization, bout.winnerId, bout.winnerLine, type);
    world.recordOrgFightResult(organization, bout.loserId, bout.loserLine, type);
    world.changeOrgRoster(organization, bout.loserId, amount);
    world.changeOrgRoster(organization, bout.winnerId, -amount);

    if (isTournamentStep(type))
        tournamentWinner = bout.winnerId;
    else if (isTitleFight(type))
        world.updateChampionship(organization, event.getTitle(), bout.winnerId, false);
    return type + " - " + bout.resultText;
}
