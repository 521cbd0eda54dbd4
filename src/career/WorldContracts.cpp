// The organizations' contract expiries: renewals, then releases into the
// free-agent pool.
#include "world/World.h"

void World::processContractExpiries(QStringList &news)
{
    // Every organization renews before any releases, so all renewal lines
    // come first.
    for (Organization &organization : organizations)
        organization.renewContracts(news);

    for (Organization &organization : organizations) {
        const QVector<Fighter> released = organization.releaseExpiredFighters(date);
        for (const Fighter &fighter : released) {
            news << fighter.getFullName() + " has left " + organization.getName()
                        + " and is now a free agent.";
            // Beside any pool fighter of the same standing, never over him.
            freeAgents.insert(fighter.getStanding(), fighter);
        }
    }
}
