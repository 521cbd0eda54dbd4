// Finding a fighter of an organization or of the amateur pool by id.
#include "world/World.h"

namespace {

// The first fighter with the id, walking from the best standing; a blank
// fighter (empty texts, zero numbers) when none has it.
Fighter firstWithId(const QMultiMap<int, Fighter> &fighters, int id)
{
    for (const Fighter &fighter : fighters) {
        if (fighter.getId() == id)
            return fighter;
    }
    return Fighter();
}

} // namespace

Fighter World::getOrgFighter(const QString &name, int id) const
{
    const Organization *organization = findOrganization(name);
    if (!organization)
        return Fighter();
    Organization::Roster members;
    organization->getRoster(members);
    return firstWithId(members, id);
}

Fighter World::getAmateur(int id) const
{
    return firstWithId(amateurs, id);
}
