#include "BoutRecording.h"

#include "match/BoutScoring.h"
#include "match/UnseenBout.h"
#include "records/Event.h"
#include "records/Fighter.h"
#include "world/World.h"

int BoutRecording::standingGap(const Fighter &a, const Fighter &b, int winnerId)
{
    return a.getId() == winnerId ? a.getStanding() - b.getStanding() : b.getStanding() - a.getStanding();
}

RecordedBout BoutRecording::record(World &world, const Event &event, const QString &matchType,
                                   const BoutResult &bout, int standingGap)
{
    const QString organization = event.getOrganization();
    const QString winnerLine = bout.winnerLine + BoutScoring::recordLineEnding(event, matchType, true);
    const QString loserLine = bout.loserLine + BoutScoring::recordLineEnding(event, matchType, false);
    const int amount = BoutScoring::exchange(standingGap,
                                             bout.stoppage ? BoutScoring::Stoppage : BoutScoring::Decision);
    QVector<int> playerIds;
    world.getRosterIds(playerIds);
    // The winner is asked first: the player's side is his when both are.
    const bool winnerIsPlayer = playerIds.contains(bout.winnerId);
    const bool loserIsPlayer = !winnerIsPlayer && playerIds.contains(bout.loserId);
    // The player's fighters are kept by the world, the others on their
    // organization's roster.
    const auto recordSide = [&](int id, const QString &line, bool player) {
        if (player)
            world.recordMatchResult(organization, id, line, matchType);
        else
            world.recordOrgFightResult(organization, id, line, matchType);
    };
    const auto moveStanding = [&](int id, int change, bool player) {
        if (player)
            world.addFighterStanding(id, change);
        else
            world.changeOrgRoster(organization, id, change);
    };
    recordSide(bout.winnerId, winnerLine, winnerIsPlayer);
    recordSide(bout.loserId, loserLine, loserIsPlayer);
    moveStanding(bout.loserId, amount, loserIsPlayer);
    moveStanding(bout.winnerId, -amount, winnerIsPlayer);

    RecordedBout recorded;
    recorded.matchLine = matchType + " - " + bout.resultText;
    if (winnerIsPlayer || loserIsPlayer) {
        recorded.playerFighterId = winnerIsPlayer ? bout.winnerId : bout.loserId;
        recorded.playerLine = winnerIsPlayer ? winnerLine : loserLine;
        world.clearBooking(recorded.playerFighterId);
    }
    if (matchType == MatchType::Qualifier || matchType == MatchType::Quarterfinal
        || matchType == MatchType::Semifinal) {
        recorded.tournamentWinner = bout.winnerId;
        recorded.booked = world.advanceTournaments(bout.winnerId, organization);
    } else if ((matchType == MatchType::Final || matchType == MatchType::Championship) && bout.winnerId != 0) {
        world.updateChampionship(organization, event.getTitle(), bout.winnerId, winnerIsPlayer);
    }
    return recorded;
}

void BoutRecording::storeEventResults(World &world, const Event &event, const QStringList &lines)
{
    world.storeOrgEventResults(lines, event.getName(), event.getOrganization());
    world.rollOrgReputationLabels(event.getOrganization());
}

int BoutRecording::findEvent(const QVector<Event> &events, const Event &event)
{
    for (int i = 0; i < events.size(); ++i) {
        if (events.at(i).getOrganization() == event.getOrganization() && events.at(i).getName() == event.getName())
            return i;
    }
    return -1;
}
