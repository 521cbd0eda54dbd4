// Fought bouts reach the records: the fighters' and the manager's, and the
// tournament brackets.
#include "world/World.h"

#include "records/FightRecordLine.h"
#include "records/Manager.h"
#include "records/Match.h"

namespace {

struct TournamentStep
{
    const char *round;
    const char *middle;
};

// The round a winner is tried for first and, when it is full, second: on
// today's card he moves to its semifinals or final, on a later card to its
// quarterfinals or semifinals.
const TournamentStep SameDaySteps[] = {
    {MatchType::Semifinal, " for a Tournament Semifinal at "},
    {MatchType::Final, " for the Tournament Final at "},
};
const TournamentStep LaterDaySteps[] = {
    {MatchType::Quarterfinal, " for a Tournament Quarterfinal at "},
    {MatchType::Semifinal, " for a Tournament Semifinal at "},
};

} // namespace

void World::recordOrgFightResult(const QString &name, int id, const QString &result, const QString &matchType)
{
    if (Organization *organization = findOrganization(name))
        organization->recordFightResult(date, id, result, matchType);
}

void World::recordMatchResult(const QString &name, int id, const QString &result, const QString &matchType)
{
    Q_UNUSED(name);
    GymFighter *fighter = rosterFighter(id);
    if (!fighter)
        return;
    fighter->recordFightResult(date, result, matchType);
    if (!manager)
        return;

    const FightRecordLine line = FightRecordLine::parse(result);
    if (line.isWin()) {
        manager->addWin();
        if (line.hasTitle())
            manager->addTitleFrom(date, line.title());
    } else if (line.isLoss()) {
        manager->addLoss();
        if (line.hasTitle())
            manager->addTitleUntil(date, line.title());
    }

    // A contract that ran out with this bout ends the manager's title run.
    if (fighter->isFreeAgent() && line.hasTitle())
        manager->addTitleUntil(date, line.title());
}

QString World::advanceTournaments(int id, const QString &name)
{
    Organization *organization = findOrganization(name);
    if (!organization)
        return QString();

    Event chosen = organization->getNextEvent(date);
    if (chosen.isCardFilled())
        chosen = organization->getNextEvent(date.addDays(1));
    const QString eventName = chosen.getName();
    const TournamentStep *steps = chosen.getDate() == date ? SameDaySteps : LaterDaySteps;

    // Tries the two rounds; the line names the round he was booked into. A
    // winner placed in neither gets no line: "Booked" would be untrue.
    const auto bookInto = [&](const QString &fighterName, bool playerFighter, bool &placed) {
        for (const TournamentStep &step : {steps[0], steps[1]}) {
            placed = organization->updateNamedEvent(id, fighterName, eventName, step.round, playerFighter, date);
            if (placed)
                return "Booked " + fighterName + step.middle + eventName;
        }
        return QString();
    };

    QString line;
    Organization::Roster members;
    organization->getRoster(members);
    for (const Fighter &member : qAsConst(members)) {
        if (member.getId() == id) {
            bool placed = false;
            line = bookInto(member.getFullName(), false, placed);
            break;
        }
    }

    if (GymFighter *fighter = rosterFighter(id)) {
        bool placed = false;
        const QString fighterName = fighter->getFullName();
        const QString booked = bookInto(fighterName, true, placed);
        // A step that placed him nowhere leaves his booking as it was.
        if (placed) {
            line = booked;
            Offer booking;
            booking.set(id, {fighterName, eventName, name}, chosen.getDate());
            updateBooking(booking);
        }
    }
    return line;
}
