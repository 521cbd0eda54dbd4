// Fighters listed by organization and ranked by standing.

#include "World.h"

#include <algorithm>

namespace {

// The player's fighter as a plain fighter: his training state stays behind.
Fighter plainFighter(const GymFighter &fighter)
{
    return fighter;
}

QString contractOrganization(const GymFighter &fighter)
{
    QString organization;
    int matches = 0;
    int purse = 0;
    fighter.getContract(organization, matches, purse);
    return organization;
}

} // namespace

QVector<Fighter> World::getFightersOf(const QString &name) const
{
    QVector<Fighter> listed;
    if (name == QLatin1String(Fighter::FreeAgentOrganization)) {
        listed = freeAgents.values().toVector();
    } else if (name == "Amateur") {
        listed = amateurs.values().toVector();
    } else if (const Organization *organization = findOrganization(name)) {
        QMultiMap<int, Fighter> members;
        organization->getRoster(members);
        listed = members.values().toVector();
    }

    // The player's fighters go in before the first fighter who stands no
    // better than they do.
    for (const GymFighter &fighter : roster) {
        if (contractOrganization(fighter) != name)
            continue;
        const int standing = fighter.getStanding();
        auto place = std::find_if(listed.begin(), listed.end(),
                                  [standing](const Fighter &other) { return other.getStanding() >= standing; });
        listed.insert(place, plainFighter(fighter));
    }
    return listed;
}

void World::collectRankedFighters(const QString &name, QMultiMap<int, QString> &ranking) const
{
    QMultiMap<int, Fighter> ranked;
    if (const Organization *organization = findOrganization(name))
        organization->getRoster(ranked);
    for (const GymFighter &fighter : roster) {
        if (contractOrganization(fighter) == name)
            ranked.insert(fighter.getStanding(), plainFighter(fighter));
    }
    for (auto it = ranked.cbegin(); it != ranked.cend(); ++it)
        ranking.insert(it.key(), it.value().getFullName());
}
