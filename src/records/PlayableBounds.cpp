#include "PlayableBounds.h"

#include "Fighter.h"
#include "Gym.h"
#include "GymFighter.h"
#include "Manager.h"

namespace {

// Attributes: aging and training cap them at 99, and a new fighter is made
// with 97 at most. There is no floor: from 35 on aging takes up to 2 a
// year off, so 9,999 below zero is thousands of years of it.
const int HighestAttribute = 99;
const int LowestAttribute = -9999;
// Small scales: charisma (0-4), learning speed and trait (0-2), fatigue
// level (0-4), the manager's skills and the gym's level and equipment
// (0-10), the gym's places, the training type (0-21).
const int ScaleLimit = 99;
// Points and ages: reputation and prestige points (0-1000), fatigue points
// (0-100), training counters (about -160 to 230), durabilities (0-99; only
// a bout's own copy ever changes them), ages (one a year), matches left on
// a contract (a few, counted down by one a bout, below zero for a free
// agent's single matches).
const int PointsLimit = 9999;
// Bouts counted over a career: a fighter's and the manager's wins, losses
// and knockouts.
const int TallyLimit = 999999;
// A purse: up to about 110,000 (the top tier's ceiling for the best
// negotiator); a win doubles it.
const int PurseLimit = 1000000;
// Standings (thousands; a bout moves one by at most the gap to the other
// fighter's, or 300), the gym's money and month figures, the last fighter
// id handed out.
const int LargeLimit = 100000000;

// Positions first..last of a record's vector and the range they keep.
struct Range
{
    int first;
    int last;
    int low;
    int high;
};

const Range FighterRanges[] = {
    {Fighter::AgeIndex, Fighter::AgeIndex, -PointsLimit, PointsLimit},
    {Fighter::WinsIndex, Fighter::KnockoutsIndex, -TallyLimit, TallyLimit},
    {Fighter::FirstAttributeIndex, Fighter::HeadDurabilityIndex - 1, LowestAttribute, HighestAttribute},
    {Fighter::HeadDurabilityIndex, Fighter::ContractMatchesIndex, -PointsLimit, PointsLimit},
    // The picture numbers and the id only name things; nothing adds to them.
    {Fighter::StandingIndex, Fighter::StandingIndex, -LargeLimit, LargeLimit},
};

const Range TrainingStateRanges[] = {
    {GymFighter::LearningSpeedIndex, GymFighter::FatigueLevelIndex, -ScaleLimit, ScaleLimit},
    {GymFighter::FatiguePointsIndex, GymFighter::ReputationPointsIndex, -PointsLimit, PointsLimit},
    {GymFighter::ContractPurseIndex, GymFighter::ContractPurseIndex, -PurseLimit, PurseLimit},
};

// The 48 training counters, then the training type.
const Range TrainingProgressRanges[] = {
    {0, SkillTable::SkillCount - 1, -PointsLimit, PointsLimit},
    {SkillTable::SkillCount, SkillTable::SkillCount, -ScaleLimit, ScaleLimit},
};

const Range GymRanges[] = {
    {Gym::PrestigePointsIndex, Gym::PrestigePointsIndex, -PointsLimit, PointsLimit},
    {Gym::MoneyIndex, Gym::MoneyIndex, -LargeLimit, LargeLimit},
    {Gym::LevelIndex, Gym::IntCount - 1, -ScaleLimit, ScaleLimit},
};

const Range GymMonthRanges[] = {
    {0, Gym::MonthCount - 1, -LargeLimit, LargeLimit},
};

const Range ManagerRanges[] = {
    {Manager::ReputationPointsIndex, Manager::ReputationPointsIndex, -PointsLimit, PointsLimit},
    {Manager::FirstSkillIndex, Manager::FirstSkillIndex + Manager::SkillCount - 1, -ScaleLimit, ScaleLimit},
    {Manager::WinsIndex, Manager::IntCount - 1, -TallyLimit, TallyLimit},
};

template <int N>
void bound(QVector<int> &values, const Range (&ranges)[N])
{
    for (const Range &range : ranges) {
        for (int i = range.first; i <= range.last && i < values.size(); ++i)
            values[i] = qBound(range.low, values.at(i), range.high);
    }
}

} // namespace

namespace PlayableBounds {

void boundFighter(QVector<int> &ints)
{
    bound(ints, FighterRanges);
}

void boundTrainingState(QVector<int> &state, QVector<int> &progress)
{
    bound(state, TrainingStateRanges);
    bound(progress, TrainingProgressRanges);
}

void boundGym(QVector<int> &numbers, QVector<int> &monthFigures)
{
    bound(numbers, GymRanges);
    bound(monthFigures, GymMonthRanges);
}

void boundManager(QVector<int> &numbers)
{
    bound(numbers, ManagerRanges);
}

int boundLastFighterId(int id)
{
    return qBound(-LargeLimit, id, LargeLimit);
}

int boundStanding(int standing)
{
    return qBound(-LargeLimit, standing, LargeLimit);
}

} // namespace PlayableBounds
