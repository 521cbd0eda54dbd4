#include "TrainingPlan.h"

#include "records/SkillTable.h"
#include "records/TrainingType.h"

namespace {

// The manager's training areas: their elements in the manager's numbers.
enum ManagerArea {
    Punch = 1, Kick, ClinchOffense, Movement, Guard, ClinchDefense,
    Power, Speed, Conditioning, Timing, Intelligence, Discipline
};

// Shorter names for the skill lists below.
using S = SkillTable::Skill;
const int None = -1;

const TrainingPlan restPlan = {
    nullptr, None, None, "Rested today.", " rested today.", {{None, None, None}, {None, None, None}, {None, None, None}}
};

const TrainingPlan lackOfFundsPlan = {
    nullptr, None, None, "Rested today due to lack of funds.", " rested today due to lack of funds.",
    {{None, None, None}, {None, None, None}, {None, None, None}}
};

// Rows 1 to 21 in TrainingType order; the equipment of type t sits at
// element t + 4 of the gym's numbers.
const TrainingPlan workoutPlans[TrainingType::Count - 1] = {
    { &GymFighter::trainHeavyBag, 5, Punch,
      "Trained on the heavy bag.", " trained on the heavy bag.",
      {{S::Cross, S::BodyPunching, S::Jab}, {S::AttackPower, S::KillerInstinct, None},
       {S::Counter, S::Dodge, S::Reaction}} },
    { &GymFighter::trainFocusMitts, 6, Timing,
      "Trained using focus mitts.", " trained using focus mitts.",
      {{S::Combinations, S::Accuracy, S::Focus}, {S::AttackSpeed, S::Hook, None},
       {S::Knee, S::FrontKick, S::DazedGuard}} },
    { &GymFighter::trainSpeedBag, 7, Speed,
      "Trained on the speed bag.", " trained on the speed bag.",
      {{S::AttackSpeed, S::Agility, S::Stamina}, {S::Cardio, S::BodyMovement, None},
       {S::LowKick, S::MidKick, S::DirtyBoxDef}} },
    { &GymFighter::trainBananaBag, 8, Kick,
      "Trained on the banana bag.", " trained on the banana bag.",
      {{S::LowKick, S::MidKick, S::HighKick}, {S::AttackPower, S::Explosiveness, None},
       {S::Uppercut, S::Hook, S::DirtyBoxing}} },
    { &GymFighter::trainWallBag, 9, Punch,
      "Trained using the wall bag.", " trained using the wall bag.",
      {{S::Uppercut, S::DirtyBoxing, S::Hook}, {S::ClinchGrappling, S::ClinchPositioning, None},
       {S::Jab, S::Cross, S::LegGuard}} },
    { &GymFighter::trainThaiPads, 10, ClinchOffense,
      "Trained using the thai pads.", " trained using the thai pads.",
      {{S::Knee, S::Elbow, S::FrontKick}, {S::BodyMovement, S::ClinchFootwork, None},
       {S::HeadGuard, S::Accuracy, S::Strategizing}} },
    { &GymFighter::trainSparring, 11, Guard,
      "Sparred today.", " sparred today.",
      {{S::OffAwareness, S::DefAwareness, S::DazedGuard}, {S::HeadGuard, S::BodyGuard, S::Counter},
       {S::Elbow, S::SelfControl, None}} },
    { &GymFighter::trainShadowBoxing, 12, Intelligence,
      "Shadow boxed.", " shadow boxed.",
      {{S::ClinchFootwork, S::HeadGuard, S::LegGuard}, {S::Footwork, S::Positioning, S::Combinations},
       {S::KillerInstinct, S::AttackPower, S::Explosiveness}} },
    { &GymFighter::trainGrappling, 13, ClinchDefense,
      "Worked on grappling.", " worked on grappling.",
      {{S::ClinchGrappling, S::ClinchPositioning, S::DirtyBoxDef}, {S::DirtyBoxing, S::ClinchFootwork, S::Strength},
       {S::AttackSpeed, S::Jab, S::Agility}} },
    { &GymFighter::trainSwerveBag, 14, Movement,
      "Used the swerve bag for training.", " used the swerve bag for training.",
      {{S::HeadMovement, S::Dodge, S::Reaction}, {S::Agility, S::BodyMovement, None},
       {S::KillerInstinct, S::Toughness, S::Recovery}} },
    { &GymFighter::trainMovementDrills, 15, Movement,
      "Did movement drills.", " did movement drills.",
      {{S::Footwork, S::Movement, S::Pressuring}, {S::Jab, S::BodyMovement, None},
       {S::Combinations, S::Toughness, S::Focus}} },
    { &GymFighter::trainFoamSticks, 16, Timing,
      "Trained using foam sticks.", " trained using foam sticks.",
      {{S::BodyMovement, S::Positioning, S::Counter}, {S::Reaction, S::Dodge, S::DefAwareness},
       {S::OffAwareness, S::Hook, S::Uppercut}} },
    { &GymFighter::trainSkippingRope, 17, Conditioning,
      "Skipped rope.", " skipped rope.",
      {{S::Cardio, S::Footwork, S::Stamina}, {S::Perseverance, S::Movement, None},
       {S::KillerInstinct, S::Focus, S::ClinchGrappling}} },
    { &GymFighter::trainKettleBells, 18, Power,
      "Used kettle bells today.", " used kettle bells today.",
      {{S::Explosiveness, S::Strength, None}, {S::Stamina, S::AttackPower, None},
       {S::Agility, S::Pressuring, S::Reaction}} },
    { &GymFighter::trainRunning, 19, Conditioning,
      "Ran today.", " ran today.",
      {{S::Cardio, S::Recovery, S::Perseverance}, {S::Stamina, S::Explosiveness, None},
       {S::HeadGuard, S::BodyGuard, S::DazedGuard}} },
    { &GymFighter::trainPlyometrics, 20, Speed,
      "Trained plyometrics.", " trained plyometrics.",
      {{S::Explosiveness, S::AttackPower, S::Recovery}, {S::AttackSpeed, S::Cross, None},
       {S::Pressuring, S::ClinchGrappling, S::Uppercut}} },
    { &GymFighter::trainHeavyWeights, 21, Power,
      "Lifted heavy weights.", " lifted heavy weights.",
      {{S::Strength, S::ClinchGrappling, S::Pressuring}, {S::Toughness, S::Focus, None},
       {S::AttackSpeed, S::Agility, S::Cardio}} },
    { &GymFighter::trainVideoTape, 22, Intelligence,
      "Studied video tape.", " studied video tape.",
      {{S::Strategizing, S::OffAwareness, S::Positioning}, {S::Adaptability, S::DefAwareness, None},
       {S::DirtyBoxDef, S::DazedGuard, S::Reaction}} },
    { &GymFighter::trainGamePlanning, 23, Discipline,
      "Worked on game planning.", " worked on game planning.",
      {{S::Strategizing, S::SelfControl, S::Focus}, {S::Combinations, S::Movement, None},
       {S::Pressuring, S::Adaptability, S::Reaction}} },
    { &GymFighter::trainMeditation, 24, Discipline,
      "Meditated today.", " meditated today.",
      {{S::Recovery, S::SelfControl, S::Perseverance}, {S::Explosiveness, S::Adaptability, None},
       {S::Toughness, S::Cardio, S::KillerInstinct}} },
    { &GymFighter::trainRattanSticks, 25, Guard,
      "Trained using rattan sticks.", " trained using rattan sticks.",
      {{S::Recovery, S::Toughness, S::BodyGuard}, {S::LegGuard, S::BodyMovement, None},
       {S::ClinchPositioning, S::Jab, S::HighKick}} },
};

} // namespace

QVector<int> TrainingPlan::group(Group which) const
{
    QVector<int> list;
    for (int skill : skills[which]) {
        if (skill >= 0)
            list << skill;
    }
    return list;
}

const TrainingPlan &TrainingPlan::forType(int type)
{
    if (type < TrainingType::HeavyBag || type >= TrainingType::Count)
        return restPlan;
    return workoutPlans[type - TrainingType::HeavyBag];
}

const TrainingPlan &TrainingPlan::lackOfFunds()
{
    return lackOfFundsPlan;
}
