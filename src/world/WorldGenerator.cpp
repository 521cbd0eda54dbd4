#include "World.h"

#include "FighterGenerator.h"
#include "records/Gym.h"
#include "records/Manager.h"

bool World::generateFighter(QString &name, bool toStudents)
{
    QVector<int> gymNumbers;
    gym->getData(gymNumbers);
    if (toStudents && students.size() >= gymNumbers.value(Gym::StudentSlotsIndex))
        return false;

    QStringList gymTexts;
    gym->getStrings(gymTexts);
    QStringList managerTexts;
    manager->getStrings(managerTexts);
    QVector<int> managerNumbers;
    manager->getData(managerNumbers);

    FighterGenerator::Input input;
    input.student = toStudents;
    input.gymStyle = gymTexts.value(Gym::StyleText);
    input.gymPrimaryColour = gymTexts.value(Gym::PrimaryColourText);
    input.gymSecondaryColour = gymTexts.value(Gym::SecondaryColourText);
    input.gymPrestige = gymTexts.value(Gym::PrestigeText);
    input.managerRegion = managerTexts.value(Manager::RegionText);
    input.managerNationality = managerTexts.value(Manager::NationalityText);
    input.managerReputation = managerTexts.value(Manager::ReputationText);
    input.managerIntuition = managerNumbers.value(Manager::IntuitionIndex);
    input.lastFighterId = lastFighterId;
    input.date = date;
    input.takenNames = takenFullNames();

    const Fighter fighter = FighterGenerator(input).generate();
    name = fighter.getFullName();
    if (toStudents) {
        students.append(fighter);
        return true;
    }
    lastFighterId = fighter.getId();
    freeAgents.insert(fighter.getStanding(), fighter);
    return false;
}

QSet<QString> World::takenFullNames() const
{
    QSet<QString> names;
    for (const Fighter &fighter : students)
        names.insert(fighter.getFullName());
    for (const GymFighter &fighter : roster)
        names.insert(fighter.getFullName());
    for (const Fighter &fighter : freeAgents)
        names.insert(fighter.getFullName());
    for (const Fighter &fighter : amateurs)
        names.insert(fighter.getFullName());
    QMultiMap<int, QString> ranked;
    for (const Organization &organization : organizations)
        collectRankedFighters(organization.getName(), ranked);
    for (const QString &fullName : ranked)
        names.insert(fullName);
    return names;
}
