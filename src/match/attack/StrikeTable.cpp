#include "StrikeTable.h"

#include "State_Atk_BodyPunch.h"
#include "State_Atk_Cross.h"
#include "State_Atk_DirtyBox.h"
#include "State_Atk_Elbow.h"
#include "State_Atk_FrontKick.h"
#include "State_Atk_HighKick.h"
#include "State_Atk_Hook.h"
#include "State_Atk_Jab.h"
#include "State_Atk_Knee.h"
#include "State_Atk_LowKick.h"
#include "State_Atk_MidKick.h"
#include "State_Atk_Uppercut.h"

namespace {

typedef Entity_MatchFighter F;

// Punches pair their first attribute with 65 in the accuracy, kicks with
// 68, the clinch strikes with 54 and the knee with 73.
const StrikeRow rows[] = {
    // code                    name         a   b   c   x   y   d   e
    {MatchMessage::Jab,       "Jab",        4,  5,  6, 65, 64, 57, 57, &F::addJabStats,       makeState<State_Atk_Jab>},
    {MatchMessage::Hook,      "Hook",       7,  8,  9, 65, 69, 73, 69, &F::addHookStats,      makeState<State_Atk_Hook>},
    {MatchMessage::Cross,     "Cross",     10, 11, 12, 65, 74, 73, 73, &F::addCrossStats,     makeState<State_Atk_Cross>},
    {MatchMessage::Uppercut,  "Uppercut",  13, 14, 15, 65, 69, 74, 73, &F::addUppercutStats,  makeState<State_Atk_Uppercut>},
    {MatchMessage::LowKick,   "LowKick",   16, 17, 18, 68, 71, 73, 73, &F::addLowKickStats,   makeState<State_Atk_LowKick>},
    {MatchMessage::MidKick,   "MidKick",   19, 20, 21, 68, 71, 73, 73, &F::addMidKickStats,   makeState<State_Atk_MidKick>},
    {MatchMessage::HighKick,  "HighKick",  22, 23, 24, 68, 71, 73, 73, &F::addHighKickStats,  makeState<State_Atk_HighKick>},
    {MatchMessage::FrontKick, "FrontKick", 25, 26, 27, 68, 71, 61, 73, &F::addFrontKickStats, makeState<State_Atk_FrontKick>},
    {MatchMessage::Knee,      "Knee",      28, 29, 30, 73, 55, 58, 73, &F::addKneeStats,      makeState<State_Atk_Knee>},
    {MatchMessage::Elbow,     "Elbow",     31, 32, 33, 54, 71, 72, 54, &F::addElbowStats,     makeState<State_Atk_Elbow>},
    {MatchMessage::DirtyBox,  "DirtyBox",  34, 35, 36, 54, 71, 72, 54, &F::addDirtyBoxStats,  makeState<State_Atk_DirtyBox>},
    {MatchMessage::BodyPunch, "BodyPunch", 37, 38, 39, 54, 71, 74, 73, &F::addBodyPunchStats, makeState<State_Atk_BodyPunch>},
};

} // namespace

namespace StrikeTable {

const StrikeRow *row(int code)
{
    if (!MatchMessage::isStrike(code))
        return nullptr;
    return &rows[code - MatchMessage::Jab];
}

Entity_MatchFighter::FightState *create(int code, Entity_MatchFighter *fighter)
{
    const StrikeRow *strike = row(code);
    return strike ? strike->create(fighter) : nullptr;
}

} // namespace StrikeTable
