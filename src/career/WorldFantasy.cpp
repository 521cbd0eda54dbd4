// A fantasy match: one of the player's fighters against an exported one,
// outside the calendar and off everybody's record.
#include "world/World.h"

#include <QDataStream>

namespace {

// Ids of the two temporary amateurs; ids below -100 mark them.
const int PlayerSideId = -116;
const int ImportedSideId = -117;
const QDate FantasyDate(2011, 1, 1);

// A copy under a temporary id, filed under standing 0.
Fighter temporaryCopy(const Fighter &fighter, int id)
{
    Fighter copy = fighter;
    copy.setId(id);
    copy.setStanding(0);
    return copy;
}

} // namespace

World::FantasyResult World::createFantasyMatch(QDataStream &in, int position, Event &event)
{
    const GymFighter *shown = rosterAt(position);
    if (!shown)
        return FantasyResult::NoFighterShown;
    Fighter imported;
    if (!readExportFile(in, imported))
        return FantasyResult::DamagedFile;

    const Fighter playerSide = temporaryCopy(*shown, PlayerSideId);
    const Fighter importedSide = temporaryCopy(imported, ImportedSideId);
    amateurs.insert(playerSide.getStanding(), playerSide);
    amateurs.insert(importedSide.getStanding(), importedSide);

    Match bout;
    bout.setData({playerSide.getFullName(), importedSide.getFullName(), MatchType::Single, Match::OpenName},
                 PlayerSideId, ImportedSideId, false);
    const QString name = "Fantasy Match: " + playerSide.getFullName() + " vs. " + importedSide.getFullName();
    event = Event();
    event.setData({name, Event::FantasyOrganization, "Fantasy Land", "Elite", "Single Event", "No Title"}, FantasyDate,
                  {bout}, QStringList(), true);
    return FantasyResult::Created;
}
