#include "SkillTable.h"

namespace {

struct SkillRow {
    const char *name;
    SkillTable::Weight weights[SkillTable::WeightsPerSkill];
};

// Two weight sums are off on purpose: Positioning adds up to 95 and Counter
// to 105, still divided by 100 like the rest.
const SkillRow skillRows[SkillTable::SkillCount] = {
    { "Jab",                { {0, 25}, {1, 25}, {2, 25}, {61, 25} } },
    { "Hook",               { {3, 25}, {4, 25}, {5, 25}, {69, 25} } },
    { "Cross",              { {6, 25}, {7, 25}, {8, 25}, {66, 25} } },
    { "Uppercut",           { {9, 25}, {10, 25}, {11, 25}, {66, 25} } },
    { "Low Kick",           { {12, 25}, {13, 25}, {14, 25}, {69, 25} } },
    { "Mid Kick",           { {15, 25}, {16, 25}, {17, 25}, {69, 25} } },
    { "High Kick",          { {18, 25}, {19, 25}, {20, 25}, {64, 25} } },
    { "Front Kick",         { {21, 25}, {22, 25}, {23, 25}, {79, 25} } },
    { "Knee",               { {24, 25}, {25, 25}, {26, 25}, {69, 25} } },
    { "Elbow",              { {27, 25}, {28, 25}, {29, 25}, {75, 25} } },
    { "Dirty Boxing",       { {30, 25}, {31, 25}, {32, 25}, {75, 25} } },
    { "Body Punching",      { {33, 25}, {34, 25}, {35, 25}, {77, 25} } },
    { "Head Movement",      { {36, 35}, {37, 25}, {59, 20}, {63, 20} } },
    { "Body Movement",      { {38, 35}, {39, 25}, {63, 20}, {67, 20} } },
    { "Footwork",           { {57, 20}, {58, 35}, {62, 25}, {64, 20} } },
    { "Positioning",        { {57, 20}, {71, 25}, {72, 15}, {81, 35} } },
    { "Head Guard",         { {40, 25}, {41, 25}, {42, 25}, {43, 25} } },
    { "Body Guard",         { {46, 35}, {47, 45}, {56, 10}, {73, 10} } },
    { "Leg Guard",          { {44, 35}, {45, 45}, {56, 10}, {73, 10} } },
    { "Dazed Guard",        { {43, 35}, {56, 10}, {70, 45}, {73, 10} } },
    { "Dirty Box Def.",     { {48, 30}, {49, 45}, {56, 20}, {59, 5} } },
    { "Clinch Grappling",   { {57, 15}, {65, 25}, {68, 45}, {75, 15} } },
    { "Clinch Positioning", { {50, 40}, {51, 40}, {68, 10}, {70, 10} } },
    { "Clinch Footwork",    { {57, 30}, {58, 30}, {68, 30}, {75, 10} } },
    { "Strength",           { {52, 20}, {56, 15}, {65, 45}, {69, 20} } },
    { "Explosiveness",      { {59, 25}, {60, 30}, {70, 25}, {79, 20} } },
    { "Attack Power",       { {66, 45}, {69, 20}, {70, 20}, {79, 15} } },
    { "Pressuring",         { {39, 25}, {54, 25}, {56, 30}, {65, 20} } },
    { "Reaction",           { {59, 40}, {67, 25}, {72, 10}, {78, 25} } },
    { "Dodge",              { {36, 15}, {59, 35}, {63, 35}, {78, 15} } },
    { "Movement",           { {58, 25}, {60, 25}, {62, 40}, {63, 10} } },
    { "Attack Speed",       { {60, 25}, {61, 25}, {64, 25}, {70, 25} } },
    { "Cardio",             { {53, 25}, {55, 40}, {60, 10}, {73, 25} } },
    { "Toughness",          { {52, 10}, {54, 10}, {56, 45}, {73, 35} } },
    { "Stamina",            { {52, 20}, {53, 30}, {54, 30}, {56, 20} } },
    { "Recovery",           { {52, 35}, {54, 25}, {60, 25}, {65, 15} } },
    { "Combinations",       { {60, 10}, {67, 20}, {77, 25}, {79, 45} } },
    { "Counter",            { {59, 30}, {72, 20}, {78, 45}, {81, 10} } },
    { "Accuracy",           { {67, 15}, {72, 25}, {79, 35}, {80, 25} } },
    { "Agility",            { {67, 15}, {72, 15}, {78, 35}, {79, 35} } },
    { "Off. Awareness",     { {71, 35}, {72, 35}, {79, 15}, {81, 15} } },
    { "Def. Awareness",     { {71, 35}, {72, 35}, {74, 15}, {78, 15} } },
    { "Strategizing",       { {71, 35}, {74, 25}, {75, 15}, {82, 25} } },
    { "Adaptability",       { {71, 25}, {73, 25}, {74, 35}, {75, 15} } },
    { "Self Control",       { {71, 20}, {73, 20}, {80, 25}, {82, 35} } },
    { "Killer Instinct",    { {73, 15}, {76, 25}, {77, 40}, {82, 20} } },
    { "Focus",              { {67, 25}, {70, 25}, {80, 25}, {82, 25} } },
    { "Perseverance",       { {56, 25}, {73, 25}, {76, 25}, {82, 25} } },
};

const char *const groupHeadings[SkillTable::GroupCount] = {
    "Offense - Punch", "Offense - Kick", "Offense - Clinch",
    "Defense - Movement", "Defense - Guard", "Defense - Clinch",
    "Physical - Power", "Physical - Speed", "Physical - Conditioning",
    "Mental - Timing", "Mental - Intelligence", "Mental - Discipline",
};

bool isSkill(int skill)
{
    return skill >= 0 && skill < SkillTable::SkillCount;
}

} // namespace

QString SkillTable::name(int skill)
{
    return isSkill(skill) ? QString(skillRows[skill].name) : QString();
}

QString SkillTable::groupHeading(int group)
{
    return group >= 0 && group < GroupCount ? QString(groupHeadings[group]) : QString();
}

const SkillTable::Weight *SkillTable::weights(int skill)
{
    return isSkill(skill) ? skillRows[skill].weights : nullptr;
}

int SkillTable::rating(const int *attributes, int skill)
{
    if (!isSkill(skill))
        return 0;
    int sum = 0;
    for (const Weight &w : skillRows[skill].weights)
        sum += w.weight * attributes[w.attribute];
    return sum / 100;
}
