#ifndef GYMFIGHTER_H
#define GYMFIGHTER_H

#include "Fighter.h"
#include "TrainingType.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

class QDataStream;

// One of the player's own fighters: a complete Fighter followed by his
// training state.
class GymFighter : public Fighter
{
public:
    // Positions in the training-state vector.
    enum StateIndex {
        LearningSpeedIndex = 0, TraitIndex, CharismaIndex, FatigueLevelIndex,
        FatiguePointsIndex, ReputationPointsIndex, ContractPurseIndex,
        StateCount
    };
    // The progress vector: the 48 skill counters, then the training type.
    static const int ProgressCount = SkillTable::SkillCount + 1;

    // Draws learning speed, trait and charisma, in that order.
    GymFighter();

    void setTrainingType(int type) { trainingType = type; }
    void setBio(const QString &text) { bio = text; }

    using Fighter::setContract;
    void setContract(const QString &organizationName, int matches, int purse);
    void getContract(QString &organizationName, int &matches, int &purse) const;

    // Each appends to its out-container.
    void getTrainingState(QVector<int> &out) const;
    void getTrainingProgress(QVector<int> &out) const;
    void getTrainingLog(QStringList &out) const { out += trainingLog; }
    void getTrainingData(QVector<int> &state, QVector<int> &progress, QStringList &log) const;
    // Returns false, and changes nothing, when state holds fewer than 7 or
    // progress fewer than 49 entries.
    bool setTrainingData(const QVector<int> &state, const QVector<int> &progress,
                         const QStringList &log);

    // Keeps only the last line of the training log.
    void trimTrainingLog();
    // Writes the stored age to oldAge; on the birthday the age goes up by one
    // (the attributes stay). Returns the age after the check.
    int checkBirthday(const QDate &today, int &oldAge);
    // One rest day: 10 fatigue points off, and the fatigue level from them.
    void rest();
    // The reputation label from the reputation points, in bands of 100.
    void updateReputationLabel();
    // After one of his matches: reputation by the outcome and experience for
    // 24 skills from his match statistics (missing entries count as 0).
    void applyFightResult(const QVector<int> &stats, const QString &resultText);
    // The fatigue level (0 to 4) that goes with a number of fatigue points.
    static int fatigueLevelFor(int points);

    // One day of his training plan (career simulation): the workout, or a
    // rest when the plan is rest or the gym's money does not cover the
    // price; then fatigue, the log line and the news entry. The manager's 23
    // and the gym's 26 numbers come as copies; returns the day's cost, which
    // the caller takes from the gym.
    int trainDay(const QDate &date, QVector<int> managerStats, QVector<int> gymStats, QString &news);

    // The 21 workouts, one per kind of equipment. Each appends its news
    // lines; all share one routine driven by the training plan table.
    void trainHeavyBag(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::HeavyBag, managerSkill, equipmentLevel, lines); }
    void trainFocusMitts(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::FocusMitts, managerSkill, equipmentLevel, lines); }
    void trainSpeedBag(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::SpeedBag, managerSkill, equipmentLevel, lines); }
    void trainBananaBag(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::BananaBag, managerSkill, equipmentLevel, lines); }
    void trainWallBag(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::WallBag, managerSkill, equipmentLevel, lines); }
    void trainThaiPads(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::ThaiPads, managerSkill, equipmentLevel, lines); }
    void trainSparring(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::Sparring, managerSkill, equipmentLevel, lines); }
    void trainShadowBoxing(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::ShadowBoxing, managerSkill, equipmentLevel, lines); }
    void trainGrappling(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::Grappling, managerSkill, equipmentLevel, lines); }
    void trainSwerveBag(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::SwerveBag, managerSkill, equipmentLevel, lines); }
    void trainMovementDrills(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::MovementDrills, managerSkill, equipmentLevel, lines); }
    void trainFoamSticks(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::FoamSticks, managerSkill, equipmentLevel, lines); }
    void trainSkippingRope(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::SkippingRope, managerSkill, equipmentLevel, lines); }
    void trainKettleBells(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::KettleBells, managerSkill, equipmentLevel, lines); }
    void trainRunning(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::Running, managerSkill, equipmentLevel, lines); }
    void trainPlyometrics(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::Plyometrics, managerSkill, equipmentLevel, lines); }
    void trainHeavyWeights(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::HeavyWeights, managerSkill, equipmentLevel, lines); }
    void trainVideoTape(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::VideoTape, managerSkill, equipmentLevel, lines); }
    void trainGamePlanning(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::GamePlanning, managerSkill, equipmentLevel, lines); }
    void trainMeditation(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::Meditation, managerSkill, equipmentLevel, lines); }
    void trainRattanSticks(int managerSkill, int equipmentLevel, QStringList &lines) { runWorkout(TrainingType::RattanSticks, managerSkill, equipmentLevel, lines); }

    // Adds n to every attribute of the skill's set (an attribute listed
    // twice gains 2n).
    void improveSkill(int skill, int n);
    void improveJab(int n) { improveSkill(SkillTable::Jab, n); }
    void improveHook(int n) { improveSkill(SkillTable::Hook, n); }
    void improveCross(int n) { improveSkill(SkillTable::Cross, n); }
    void improveUppercut(int n) { improveSkill(SkillTable::Uppercut, n); }
    void improveLowKick(int n) { improveSkill(SkillTable::LowKick, n); }
    void improveMidKick(int n) { improveSkill(SkillTable::MidKick, n); }
    void improveHighKick(int n) { improveSkill(SkillTable::HighKick, n); }
    void improveFrontKick(int n) { improveSkill(SkillTable::FrontKick, n); }
    void improveKnee(int n) { improveSkill(SkillTable::Knee, n); }
    void improveElbow(int n) { improveSkill(SkillTable::Elbow, n); }
    void improveDirtyBoxing(int n) { improveSkill(SkillTable::DirtyBoxing, n); }
    void improveBodyPunching(int n) { improveSkill(SkillTable::BodyPunching, n); }
    void improveHeadMovement(int n) { improveSkill(SkillTable::HeadMovement, n); }
    void improveBodyMovement(int n) { improveSkill(SkillTable::BodyMovement, n); }
    void improveFootwork(int n) { improveSkill(SkillTable::Footwork, n); }
    void improvePositioning(int n) { improveSkill(SkillTable::Positioning, n); }
    void improveHeadGuard(int n) { improveSkill(SkillTable::HeadGuard, n); }
    void improveBodyGuard(int n) { improveSkill(SkillTable::BodyGuard, n); }
    void improveLegGuard(int n) { improveSkill(SkillTable::LegGuard, n); }
    void improveDazedGuard(int n) { improveSkill(SkillTable::DazedGuard, n); }
    void improveDirtyBoxDef(int n) { improveSkill(SkillTable::DirtyBoxDef, n); }
    void improveClinchGrappling(int n) { improveSkill(SkillTable::ClinchGrappling, n); }
    void improveClinchPositioning(int n) { improveSkill(SkillTable::ClinchPositioning, n); }
    void improveClinchFootwork(int n) { improveSkill(SkillTable::ClinchFootwork, n); }
    void improveStrength(int n) { improveSkill(SkillTable::Strength, n); }
    void improveExplosiveness(int n) { improveSkill(SkillTable::Explosiveness, n); }
    void improveAttackPower(int n) { improveSkill(SkillTable::AttackPower, n); }
    void improvePressuring(int n) { improveSkill(SkillTable::Pressuring, n); }
    void improveReaction(int n) { improveSkill(SkillTable::Reaction, n); }
    void improveDodge(int n) { improveSkill(SkillTable::Dodge, n); }
    void improveMovement(int n) { improveSkill(SkillTable::Movement, n); }
    void improveAttackSpeed(int n) { improveSkill(SkillTable::AttackSpeed, n); }
    void improveCardio(int n) { improveSkill(SkillTable::Cardio, n); }
    void improveToughness(int n) { improveSkill(SkillTable::Toughness, n); }
    void improveStamina(int n) { improveSkill(SkillTable::Stamina, n); }
    void improveRecovery(int n) { improveSkill(SkillTable::Recovery, n); }
    void improveCombinations(int n) { improveSkill(SkillTable::Combinations, n); }
    void improveCounter(int n) { improveSkill(SkillTable::Counter, n); }
    void improveAccuracy(int n) { improveSkill(SkillTable::Accuracy, n); }
    void improveAgility(int n) { improveSkill(SkillTable::Agility, n); }
    void improveOffAwareness(int n) { improveSkill(SkillTable::OffAwareness, n); }
    void improveDefAwareness(int n) { improveSkill(SkillTable::DefAwareness, n); }
    void improveStrategizing(int n) { improveSkill(SkillTable::Strategizing, n); }
    void improveAdaptability(int n) { improveSkill(SkillTable::Adaptability, n); }
    void improveSelfControl(int n) { improveSkill(SkillTable::SelfControl, n); }
    void improveKillerInstinct(int n) { improveSkill(SkillTable::KillerInstinct, n); }
    void improveFocus(int n) { improveSkill(SkillTable::Focus, n); }
    void improvePerseverance(int n) { improveSkill(SkillTable::Perseverance, n); }

    bool operator==(const GymFighter &other) const;
    bool operator!=(const GymFighter &other) const { return !(*this == other); }

private:
    // The workout of a training type (career simulation).
    void runWorkout(int type, int managerSkill, int equipmentLevel, QStringList &lines);
    // A training counter past its mark turns into a level change of the
    // skill's training set and its news line, and starts again from 0.
    void checkLevelUp(int skill, QStringList &lines);
    void checkLevelDown(int skill, QStringList &lines);
    // The day's fatigue after the workout or the rest.
    void tireByDay();
    // Every attribute back within 0 to 99.
    void clampAttributes();

    int learningSpeed;
    int trait;
    int charisma;
    int fatigueLevel;
    int fatiguePoints;
    int reputationPoints;
    int contractPurse;
    int trainingProgress[SkillTable::SkillCount];
    int trainingType;
    QStringList trainingLog;
};

QDataStream &operator<<(QDataStream &out, const GymFighter &fighter);
// On a short or damaged stream the fighter is left unchanged and the
// stream's status says so.
QDataStream &operator>>(QDataStream &in, GymFighter &fighter);

#endif // GYMFIGHTER_H
