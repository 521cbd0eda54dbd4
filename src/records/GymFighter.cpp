#include "GymFighter.h"

#include "FightRecordLine.h"
#include "GameDataStream.h"
#include "GameRandom.h"
#include "PlayableBounds.h"
#include "ReputationLadder.h"

#include <algorithm>

namespace {

// The attributes (numbers k) each skill's improvement raises, in profile
// order; an attribute listed twice gains twice. -1 ends a shorter row.
const int MaxSetSize = 6;
const int skillAttributeSets[SkillTable::SkillCount][MaxSetSize] = {
    { 0, 1, 2, 61, 67, 79 },     // Jab
    { 3, 4, 5, 54, 66, 69 },     // Hook
    { 6, 7, 8, 57, 66, -1 },     // Cross
    { 9, 10, 11, 65, 66, 77 },   // Uppercut
    { 12, 13, 14, 56, 64, 69 },  // Low Kick
    { 15, 16, 17, 57, 69, 70 },  // Mid Kick
    { 18, 19, 20, 57, 64, 70 },  // High Kick
    { 21, 22, 23, 57, 79, 81 },  // Front Kick
    { 24, 25, 26, 51, 68, 69 },  // Knee
    { 27, 28, 29, 50, 75, -1 },  // Elbow
    { 30, 31, 32, 50, 68, 75 },  // Dirty Boxing
    { 33, 34, 35, 65, 77, -1 },  // Body Punching
    { 36, 37, 59, 63, 78, -1 },  // Head Movement
    { 38, 39, 63, 67, 69, 78 },  // Body Movement
    { 57, 58, 62, 64, 64, 67 },  // Footwork
    { 57, 58, 71, 72, 75, 81 },  // Positioning
    { 40, 41, 42, 43, 73, 76 },  // Head Guard
    { 46, 47, 53, 56, 73, -1 },  // Body Guard
    { 44, 45, 52, 56, 73, -1 },  // Leg Guard
    { 43, 56, 57, 58, 70, 73 },  // Dazed Guard
    { 48, 49, 50, 56, 65, 68 },  // Dirty Box Def.
    { 50, 51, 57, 65, 68, 75 },  // Clinch Grappling
    { 50, 51, 68, 69, 70, -1 },  // Clinch Positioning
    { 51, 57, 58, 64, 68, 75 },  // Clinch Footwork
    { 52, 53, 56, 65, 68, 69 },  // Strength
    { 59, 60, 61, 63, 70, 79 },  // Explosiveness
    { 66, 69, 70, 76, 77, 79 },  // Attack Power
    { 37, 39, 54, 56, 65, 73 },  // Pressuring
    { 59, 67, 72, 78, 79, -1 },  // Reaction
    { 36, 59, 60, 63, 78, -1 },  // Dodge
    { 58, 60, 62, 63, 67, -1 },  // Movement
    { 55, 60, 61, 64, 69, 70 },  // Attack Speed
    { 53, 54, 55, 60, 73, -1 },  // Cardio
    { 52, 53, 54, 56, 73, 76 },  // Toughness
    { 52, 53, 54, 56, 73, -1 },  // Stamina
    { 52, 54, 55, 60, 65, 74 },  // Recovery
    { 60, 61, 64, 67, 77, 79 },  // Combinations
    { 59, 72, 75, 78, 80, 81 },  // Counter
    { 67, 71, 72, 79, 80, -1 },  // Accuracy
    { 60, 67, 72, 78, 79, -1 },  // Agility
    { 71, 72, 79, 80, 81, -1 },  // Off. Awareness
    { 71, 72, 74, 78, 81, -1 },  // Def. Awareness
    { 71, 74, 75, 80, 82, -1 },  // Strategizing
    { 71, 73, 74, 75, 75, 80 },  // Adaptability
    { 71, 73, 74, 80, 82, -1 },  // Self Control
    { 66, 73, 76, 77, 82, -1 },  // Killer Instinct
    { 52, 67, 70, 80, 81, 82 },  // Focus
    { 53, 54, 56, 73, 76, 82 },  // Perseverance
};

// What a finished match teaches: the skill's counter gains the statistics
// entry (divided as given) plus the match bonus.
struct MatchExperience {
    int skill;
    int statistic;
    int divisor;
};
const MatchExperience matchExperience[] = {
    { SkillTable::Jab, 6, 1 }, { SkillTable::Hook, 8, 1 },
    { SkillTable::Cross, 10, 1 }, { SkillTable::Uppercut, 12, 1 },
    { SkillTable::LowKick, 14, 1 }, { SkillTable::MidKick, 16, 1 },
    { SkillTable::HighKick, 18, 1 }, { SkillTable::FrontKick, 20, 1 },
    { SkillTable::Knee, 22, 1 }, { SkillTable::Elbow, 24, 1 },
    { SkillTable::DirtyBoxing, 26, 1 }, { SkillTable::BodyPunching, 28, 1 },
    { SkillTable::HeadGuard, 30, 1 }, { SkillTable::BodyGuard, 32, 1 },
    { SkillTable::LegGuard, 32, 2 }, { SkillTable::DazedGuard, 30, 2 },
    { SkillTable::HeadMovement, 34, 1 }, { SkillTable::BodyMovement, 36, 1 },
    { SkillTable::Dodge, 34, 2 }, { SkillTable::Agility, 36, 2 },
    { SkillTable::Counter, 38, 1 }, { SkillTable::DefAwareness, 40, 1 },
    { SkillTable::Focus, 38, 2 }, { SkillTable::Reaction, 40, 2 },
};
const int KnockdownsScoredStat = 42;
const int KnockdownsSufferedStat = 43;
const int LevelUpAbove = 199;

// The player's fighter's label by reputation points: band b holds the
// points from b x 100 + 1 to (b + 1) x 100 (band 0 from nothing up to 100).
const ReputationLadder::Rank reputationByPoints[] = {
    ReputationLadder::Unknown, ReputationLadder::LocalFighter, ReputationLadder::RisingStar,
    ReputationLadder::NationallyRanked, ReputationLadder::RespectableOpponent,
    ReputationLadder::Contender, ReputationLadder::ChampionshipCaliber,
    ReputationLadder::WorldClass, ReputationLadder::InternationalSuperstar,
    ReputationLadder::Legendary,
};
const int ReputationBandCount = int(sizeof reputationByPoints / sizeof *reputationByPoints);
const int MaxReputationPoints = 1000;

} // namespace

GymFighter::GymFighter()
    : fatigueLevel(0), fatiguePoints(0), reputationPoints(0), contractPurse(0),
      trainingType(TrainingType::Rest)
{
    learningSpeed = GameRandom::roll(3);
    trait = GameRandom::roll(3);
    charisma = GameRandom::roll(5);
    std::fill(trainingProgress, trainingProgress + SkillTable::SkillCount, 0);
}

void GymFighter::setContract(const QString &organizationName, int matches, int purse)
{
    Fighter::setContract(organizationName, matches);
    contractPurse = purse;
}

void GymFighter::getContract(QString &organizationName, int &matches, int &purse) const
{
    organizationName = organization;
    matches = contractMatches;
    purse = contractPurse;
}

void GymFighter::getTrainingState(QVector<int> &out) const
{
    out << learningSpeed << trait << charisma << fatigueLevel << fatiguePoints
        << reputationPoints << contractPurse;
}

void GymFighter::getTrainingProgress(QVector<int> &out) const
{
    for (int counter : trainingProgress)
        out << counter;
    out << trainingType;
}

void GymFighter::getTrainingData(QVector<int> &state, QVector<int> &progress, QStringList &log) const
{
    getTrainingState(state);
    getTrainingProgress(progress);
    getTrainingLog(log);
}

bool GymFighter::setTrainingData(const QVector<int> &state, const QVector<int> &progress,
                                 const QStringList &log)
{
    if (state.size() < StateCount || progress.size() < ProgressCount)
        return false;
    learningSpeed = state.at(LearningSpeedIndex);
    trait = state.at(TraitIndex);
    charisma = state.at(CharismaIndex);
    fatigueLevel = state.at(FatigueLevelIndex);
    fatiguePoints = state.at(FatiguePointsIndex);
    reputationPoints = state.at(ReputationPointsIndex);
    contractPurse = state.at(ContractPurseIndex);
    std::copy(progress.constBegin(), progress.constBegin() + SkillTable::SkillCount, trainingProgress);
    trainingType = progress.at(SkillTable::SkillCount);
    trainingLog = log;
    return true;
}

void GymFighter::trimTrainingLog()
{
    if (trainingLog.size() > 1)
        trainingLog = QStringList{trainingLog.last()};
}

int GymFighter::checkBirthday(const QDate &today, int &oldAge)
{
    age = getAgeOn(today, oldAge);
    return age;
}

void GymFighter::rest()
{
    if (fatiguePoints <= 9) {
        fatiguePoints = 0;
        fatigueLevel = 0;
        return;
    }
    fatiguePoints -= 10;
    fatigueLevel = fatigueLevelFor(fatiguePoints);
}

int GymFighter::fatigueLevelFor(int points)
{
    if (points <= 20)
        return 0;
    return std::min(4, (points - 1) / 20);
}

void GymFighter::updateReputationLabel()
{
    const int band = qBound(0, (reputationPoints - 1) / 100, ReputationBandCount - 1);
    reputation = ReputationLadder::label(reputationByPoints[band]);
}

void GymFighter::applyFightResult(const QVector<int> &stats, const QString &resultText)
{
    // The statistics come from the ring; an entry the vector lacks counts 0.
    const auto stat = [&stats](int index) { return stats.value(index, 0); };
    int bonus = stat(KnockdownsScoredStat) - stat(KnockdownsSufferedStat);

    const FightRecordLine line = FightRecordLine::parse(resultText);
    if (line.isWin()) {
        bonus += 5;
        reputationPoints += 15 + 2 * charisma;
    } else if (line.isLoss()) {
        bonus += 1;
        reputationPoints -= 11 - 2 * charisma;
    }
    reputationPoints = qBound(0, reputationPoints, MaxReputationPoints);
    updateReputationLabel();

    for (const MatchExperience &gain : matchExperience) {
        int &counter = trainingProgress[gain.skill];
        counter += stat(gain.statistic) / gain.divisor + bonus;
        if (counter > LevelUpAbove) {
            counter = 0;
            improveSkill(gain.skill, 1);
        }
    }
    capAttributes();
}

void GymFighter::improveSkill(int skill, int n)
{
    if (skill < 0 || skill >= SkillTable::SkillCount)
        return;
    for (int k : skillAttributeSets[skill]) {
        if (k >= 0)
            attributes[k] += n;
    }
}

bool GymFighter::operator==(const GymFighter &other) const
{
    QVector<int> state, progress, otherState, otherProgress;
    QStringList log, otherLog;
    getTrainingData(state, progress, log);
    other.getTrainingData(otherState, otherProgress, otherLog);
    return Fighter::operator==(other) && state == otherState && progress == otherProgress
        && log == otherLog;
}

QDataStream &operator<<(QDataStream &out, const GymFighter &fighter)
{
    QVector<int> state, progress;
    QStringList log;
    fighter.getTrainingData(state, progress, log);
    return out << static_cast<const Fighter &>(fighter) << state << progress << log;
}

QDataStream &operator>>(QDataStream &in, GymFighter &fighter)
{
    GymFighter read(fighter);
    in >> static_cast<Fighter &>(read);
    QVector<int> state, progress;
    QStringList log;
    StreamRead::readVector(in, state, 4);
    StreamRead::readVector(in, progress, 4);
    StreamRead::readList(in, log, 4);
    if (!StreamRead::ok(in))
        return in;
    PlayableBounds::boundTrainingState(state, progress);
    if (!read.setTrainingData(state, progress, log)) {
        StreamRead::markCorrupt(in);
        return in;
    }
    fighter = read;
    return in;
}
