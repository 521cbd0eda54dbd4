// The daily training of the player's fighters: GymFighter's training day
// and its 21 workouts, which all run the one routine below on their row of
// the training plan table.
#include "records/GymFighter.h"

#include "TrainingPlan.h"
#include "TrainingSkills.h"
#include "records/GameRandom.h"
#include "records/Gym.h"
#include "records/TextDate.h"

#include <algorithm>

namespace {

const int MaxFatiguePoints = 100;
const int FatiguePerDay = 2;
const int MaxFatigueLevel = 4;

const int LevelUpAbove = 199;
const int LevelDownBelow = -149;
const int MaxAttribute = 99;

// A manager above these skills reports side gains and losses.
const int ReportsSideGainsAbove = 7;
const int ReportsLossesAbove = 3;
const int LostSkillDrawRange = 11;

// The workout's random draws: seeded from the clock at the start; before
// every later draw the generator is reseeded as many times as the previous
// draw's value (a burst that only its last reseed leaves behind).
class WorkoutDraws
{
public:
    WorkoutDraws() { GameRandom::reseedWithClock(); }

    int next(int range)
    {
        GameRandom::reseedBurst(previous);
        previous = GameRandom::roll(range);
        return previous;
    }

private:
    int previous = 0;
};

QString gainLine(int skill, int gain)
{
    return TrainingSkills::name(skill) + " +" + QString::number(gain);
}

} // namespace

int GymFighter::trainDay(const QDate &date, QVector<int> managerStats, QVector<int> gymStats, QString &news)
{
    const TrainingPlan *plan = &TrainingPlan::forType(trainingType);
    int cost = 0;
    int equipmentLevel = 0;
    if (!plan->isRest()) {
        equipmentLevel = gymStats.value(plan->equipment, 0);
        cost = equipmentLevel * TrainingPlan::PricePerLevel;
        if (cost > gymStats.value(Gym::MoneyIndex, 0)) {
            plan = &TrainingPlan::lackOfFunds();
            cost = 0;
        }
    }

    QStringList lines;
    if (plan->isRest())
        rest();
    else
        (this->*plan->workout)(managerStats.value(plan->managerArea, 0), equipmentLevel, lines);

    news = firstName + " " + lastName + plan->newsText;
    for (const QString &line : qAsConst(lines))
        news += "\n" + line;

    tireByDay();
    trainingLog << "\n" + TextDate::shortText(date) + " - " + plan->dayText;
    clampAttributes();
    return cost;
}

void GymFighter::runWorkout(int type, int managerSkill, int equipmentLevel, QStringList &lines)
{
    const TrainingPlan &plan = TrainingPlan::forType(type);
    const int m = managerSkill;
    // Fatigue narrows the gains: 20 possible draws when fresh, 10 when spent.
    const int gainRange = 20 - fatiguePoints / 10;
    WorkoutDraws draws;

    const QVector<int> mainSkills = plan.group(TrainingPlan::MainSkills);
    for (int skill : mainSkills) {
        const int gain = learningSpeed + m * draws.next(gainRange) / 10 + equipmentLevel;
        trainingProgress[skill] += gain;
        lines << gainLine(skill, gain);
    }
    for (int skill : mainSkills)
        checkLevelUp(skill, lines);

    const QVector<int> sideSkills = plan.group(TrainingPlan::SideSkills);
    for (int skill : sideSkills) {
        const int gain = learningSpeed + m * draws.next(gainRange) / 20;
        trainingProgress[skill] += gain;
        if (m > ReportsSideGainsAbove)
            lines << gainLine(skill, gain);
    }
    for (int skill : sideSkills)
        checkLevelUp(skill, lines);

    const QVector<int> lostSkills = plan.group(TrainingPlan::LostSkills);
    for (int skill : lostSkills) {
        const int loss = (11 - m) * draws.next(LostSkillDrawRange) / 20 + 6 - equipmentLevel / 2;
        trainingProgress[skill] -= loss;
        if (m > ReportsLossesAbove)
            lines << TrainingSkills::name(skill) + " -" + QString::number(loss);
    }
    for (int skill : lostSkills)
        checkLevelDown(skill, lines);
}

void GymFighter::checkLevelUp(int skill, QStringList &lines)
{
    if (trainingProgress[skill] <= LevelUpAbove)
        return;
    trainingProgress[skill] = 0;
    for (int k : TrainingSkills::attributeSet(skill))
        ++attributes[k];
    lines << TrainingSkills::name(skill) + " level up!";
}

void GymFighter::checkLevelDown(int skill, QStringList &lines)
{
    if (trainingProgress[skill] >= LevelDownBelow)
        return;
    trainingProgress[skill] = 0;
    for (int k : TrainingSkills::attributeSet(skill))
        --attributes[k];
    lines << TrainingSkills::name(skill) + " level down.";
}

void GymFighter::tireByDay()
{
    if (fatiguePoints > MaxFatiguePoints - FatiguePerDay) {
        fatiguePoints = MaxFatiguePoints;
        fatigueLevel = MaxFatigueLevel;
        return;
    }
    fatiguePoints += FatiguePerDay;
    fatigueLevel = fatigueLevelFor(fatiguePoints);
}

void GymFighter::clampAttributes()
{
    capAttributes();
    for (int &value : attributes)
        value = std::max(value, 0);
}
