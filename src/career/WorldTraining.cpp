// The gym's training day: every player's fighter trains by his plan.
#include "world/World.h"

#include "records/Gym.h"
#include "records/Manager.h"

QStringList World::runGymDay()
{
    QStringList news;
    if (roster.isEmpty() || !gym || !manager)
        return news;
    // Every fighter is priced against the money of the start of the day,
    // so the day's payments together may take the gym below zero.
    QVector<int> managerStats;
    manager->getData(managerStats);
    QVector<int> gymStats;
    gym->getData(gymStats);
    for (GymFighter &fighter : roster) {
        QString entry;
        gym->spend(fighter.trainDay(date, managerStats, gymStats, entry));
        news << entry;
    }
    return news;
}
