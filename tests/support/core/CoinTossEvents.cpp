#include "CoinTossEvents.h"

#include "career/UnseenBouts.h"
#include "records/GameRandom.h"
#include "records/Match.h"
#include "world/World.h"

#include <QSet>

#include <utility>

namespace {

const char *const methods[] = {"Decision", "KO(Hook)", "TKO(Low Kick)", "KO(High Kick)"};

struct Side
{
    int id;
    QString name;
};

bool isTournamentStep(const QString &type)
{
    return type == MatchType::Qualifier || type == MatchType::Quarterfinal || type == MatchType::Semifinal;
}

// The player's fighters' ids: their bouts are recorded on his side.
QSet<int> playerIds(const World &world)
{
    QVector<int> ids;
    world.getRosterIds(ids);
    return QSet<int>(ids.cbegin(), ids.cend());
}

void recordSide(World &world, const Event &event, const Side &side, const QString &line, const QString &type)
{
    if (playerIds(world).contains(side.id))
        world.recordMatchResult(event.getOrganization(), side.id, line, type);
    else
        world.recordOrgFightResult(event.getOrganization(), side.id, line, type);
}

// Decides one filled bout and records it; returns its result lines.
QStringList decideBout(World &world, const Event &event, const Match &bout)
{
    QStringList texts;
    bout.getTexts(texts);
    Side winner{bout.getIdA(), texts.at(Match::FighterAText)};
    Side loser{bout.getIdB(), texts.at(Match::FighterBText)};
    if (GameRandom::roll(2) == 1)
        std::swap(winner, loser);
    const QString method = methods[GameRandom::roll(int(sizeof(methods) / sizeof(methods[0])))];
    const QString round = method == QLatin1String("Decision") ? "Rd. 3(3:00)" : "Rd. 2(1:30)";
    const QString where = " - " + method + " - " + round + " - " + event.getOrganization() + ": " + event.getName();
    const QString type = bout.getType();
    const bool titleFight = type == MatchType::Championship || type == MatchType::Final;
    const QString title = "|" + event.getTitle();

    recordSide(world, event, winner, "Win: " + loser.name + where + (titleFight ? title : QString()), type);
    recordSide(world, event, loser,
               "Loss: " + winner.name + where + (type == MatchType::Championship ? title : QString()), type);
    const QSet<int> players = playerIds(world);
    for (const Side &side : {winner, loser}) {
        if (players.contains(side.id))
            world.clearBooking(side.id);
    }

    QStringList lines{type + " - " + winner.name + " defeated " + loser.name + " by " + method + "."};
    if (titleFight)
        world.updateChampionship(event.getOrganization(), event.getTitle(), winner.id, players.contains(winner.id));
    else if (isTournamentStep(type)) {
        // Empty when the winner found no open side: nothing to report.
        const QString advanced = world.advanceTournaments(winner.id, event.getOrganization());
        if (!advanced.isEmpty())
            lines << advanced;
    }
    return lines;
}

// Today's event of that name as it stands now (a tournament step may have
// filled more of its card).
bool refetch(World &world, const QString &name, Event &event)
{
    QVector<Event> today = world.getTodaysEvents();
    today << world.getTodaysPlayerEvents();
    for (const Event &candidate : today) {
        if (candidate.getName() == name && candidate.getOrganization() == event.getOrganization()) {
            event = candidate;
            return true;
        }
    }
    return false;
}

EventResults decideEvent(World &world, Event event)
{
    EventResults results;
    results.eventName = event.getName();
    for (int position = 0; position < event.getMatches().size(); ++position) {
        const Match bout = event.getMatches().at(position);
        if (!bout.isFilled() || bout.getIdA() == 0 || bout.getIdB() == 0)
            continue;
        const QStringList lines = decideBout(world, event, bout);
        results.lines << lines;
        // A tournament step may have filled more of today's card.
        if (lines.size() > 1)
            refetch(world, results.eventName, event);
    }
    world.storeOrgEventResults(results.lines, results.eventName, event.getOrganization());
    world.rollOrgReputationLabels(event.getOrganization());
    return results;
}

QVector<EventResults> decideAll(World &world, const QVector<Event> &events)
{
    QVector<EventResults> all;
    for (const Event &event : events)
        all << decideEvent(world, event);
    return all;
}

} // namespace

QVector<EventResults> CoinTossEvents::decide(World &world)
{
    QVector<Event> today = world.getTodaysPlayerEvents();
    today << world.getTodaysEvents();
    return decideAll(world, today);
}

QVector<EventResults> CoinTossEvents::decidePlayerEvents(World &world)
{
    return decideAll(world, world.getTodaysPlayerEvents());
}

QVector<EventResults> CoinTossEvents::decideWithUnseenBouts(World &world)
{
    return decidePlayerEvents(world) << UnseenBouts::decide(world);
}
