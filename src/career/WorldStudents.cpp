// The gym's people over time: the students' names, birthdays and
// retirements, a student turning professional, and the monthly fees.
#include "world/World.h"

#include "records/GameRandom.h"
#include "records/Gym.h"

namespace {

// The daily retirement draw of a player's fighter by his age: from
// `fromAge` on, qrand() % range + base, and a draw above 9 retires him.
struct RetirementDraw {
    int fromAge;
    int range;
    int base;
};
const RetirementDraw retirementDraws[] = {
    { 46, 20, 5 },
    { 43, 15, 1 },
    { 38, 10, 1 },
};
const int RetiresAbove = 9;

// Draws on the running sequence; the young are never drawn.
bool drawsRetirement(int age)
{
    for (const RetirementDraw &draw : retirementDraws) {
        if (age >= draw.fromAge)
            return GameRandom::roll(draw.range) + draw.base > RetiresAbove;
    }
    return false;
}

const int FeeBase = 50;
const int FeePerPrestigeStep = 20;

} // namespace

void World::getStudentNames(QStringList &out) const
{
    for (const Fighter &student : students)
        out << student.getFullName();
}

void World::ageGymFighters(QStringList &news)
{
    for (int i = 0; i < roster.size();) {
        GymFighter &fighter = roster[i];
        int oldAge = 0;
        const int age = fighter.checkBirthday(date, oldAge);
        if (age != oldAge)
            news << fighter.getFullName() + " has turned " + QString::number(age) + " years old.";

        if (drawsRetirement(age)) {
            const QString name = fighter.getFullName();
            // The same clean-up as a retirement the player asks for: his
            // organization lets him go (or refuses on fight day), his offers
            // and booking go, and the manager's record and open title line
            // for him are closed.
            if (retireRosterFighter(i)) {
                news << name + " has retired.";
                continue; // the next fighter has moved up into position i
            }
        }
        ++i;
    }

    for (Fighter &student : students) {
        int age = 0;
        const int newAge = student.getAgeOn(date, age);
        if (newAge == age)
            continue;
        news << "Your student " + student.getFullName() + " has turned " + QString::number(newAge)
                    + " years old.";
        student.ageOneYear();
    }
}

bool World::promoteStudent(int index)
{
    if (!gym || index < 0 || index >= students.size())
        return false;
    QVector<int> gymNumbers;
    gym->getData(gymNumbers);
    if (roster.size() >= gymNumbers.value(Gym::FighterSlotsIndex))
        return false;

    GymFighter fighter;
    static_cast<Fighter &>(fighter) = students.at(index);
    fighter.setId(++lastFighterId);
    roster.append(fighter);

    Offer booking;
    booking.set(lastFighterId, {fighter.getFullName(), Offer::NoText, Offer::NoText}, date);
    bookings.append(booking);

    students.remove(index);
    return true;
}

void World::collectStudentFees()
{
    if (!gym)
        return;
    QStringList texts;
    gym->getStrings(texts);
    // A label off the ladder counts as position -1, a fee of 30.
    const int position = findStringIndex(Gym::prestigeLabels(), texts.value(Gym::PrestigeText));
    const int fee = position * FeePerPrestigeStep + FeeBase;
    for (int i = 0; i < students.size(); ++i)
        gym->addIncome(fee, false);
}
