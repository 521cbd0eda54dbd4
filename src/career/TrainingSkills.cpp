#include "TrainingSkills.h"

#include "records/SkillTable.h"

namespace {

const int MaxSetSize = 6;

struct TrainingSkill {
    const char *name;
    int attributes[MaxSetSize]; // -1 ends a shorter set
};

const TrainingSkill trainingSkills[SkillTable::SkillCount] = {
    { "Jab",                  { 0, 1, 2, 61, 67, 79 } },
    { "Hook",                 { 3, 4, 5, 54, 66, 69 } },
    { "Cross",                { 6, 7, 8, 57, 66, -1 } },
    { "Uppercut",             { 9, 10, 11, 65, 66, 77 } },
    { "Low Kick",             { 12, 13, 14, 56, 64, 69 } },
    { "Mid Kick",             { 15, 16, 17, 57, 69, 70 } },
    { "High Kick",            { 18, 19, 20, 57, 64, 70 } },
    { "Front Kick",           { 21, 22, 23, 57, 79, 81 } },
    { "Knee",                 { 24, 25, 26, 51, 68, 69 } },
    { "Elbow",                { 27, 28, 29, 50, 75, -1 } },
    { "Dirty Boxing",         { 30, 31, 32, 50, 68, 75 } },
    { "Body Punch",           { 33, 34, 35, 65, 77, -1 } },
    { "Head Movement",        { 36, 37, 59, 63, 78, -1 } },
    { "Body Movement",        { 38, 39, 63, 67, 69, 78 } },
    { "Footwork",             { 57, 58, 62, 67, -1, -1 } },
    { "Positioning",          { 57, 58, 71, 72, 75, 81 } },
    { "Head Guard",           { 40, 41, 42, 43, 73, 76 } },
    { "Body Guard",           { 46, 47, 53, 56, 73, -1 } },
    { "Leg Guard",            { 44, 45, 52, 56, 73, -1 } },
    { "Dazed Guard",          { 43, 56, 57, 58, 70, 73 } },
    { "Dirty Boxing Defense", { 48, 49, 50, 56, 65, 68 } },
    { "Clinch Grappling",     { 50, 51, 57, 65, 68, 75 } },
    { "Clinch Positioning",   { 50, 51, 68, 69, 70, -1 } },
    { "Clinch Footwork",      { 51, 57, 58, 64, 68, 75 } },
    { "Strength",             { 52, 53, 56, 65, 68, 69 } },
    { "Explosiveness",        { 59, 60, 61, 63, 70, 79 } },
    { "Attack Power",         { 66, 69, 70, 76, 77, 79 } },
    { "Pressuring",           { 37, 39, 54, 56, 65, 73 } },
    { "Reaction",             { 59, 67, 72, 78, 79, -1 } },
    { "Dodge",                { 36, 59, 60, 63, 78, -1 } },
    { "Movement",             { 58, 60, 62, 63, 67, -1 } },
    { "Attack Speed",         { 55, 60, 61, 64, 69, 70 } },
    { "Cardio",               { 53, 54, 55, 60, 73, -1 } },
    { "Toughness",            { 52, 53, 54, 56, 73, 76 } },
    { "Stamina",              { 52, 53, 54, 56, 73, -1 } },
    { "Recovery",             { 52, 54, 55, 60, 65, 74 } },
    { "Combinations",         { 60, 61, 64, 67, 77, 79 } },
    { "Counter",              { 59, 72, 75, 78, 80, 81 } },
    { "Accuracy",             { 67, 71, 72, 79, 80, -1 } },
    { "Agility",              { 60, 67, 72, 78, 79, -1 } },
    { "Offensive Awareness",  { 71, 72, 79, 80, 81, -1 } },
    { "Defensive Awareness",  { 71, 72, 74, 78, 81, -1 } },
    { "Strategizing",         { 71, 74, 75, 80, 82, -1 } },
    { "Adaptability",         { 71, 73, 74, 80, -1, -1 } },
    { "Self Control",         { 71, 73, 74, 80, 82, -1 } },
    { "Killer Instinct",      { 66, 73, 76, 77, 82, -1 } },
    { "Focus",                { 52, 67, 70, 80, 81, 82 } },
    { "Perseverance",         { 53, 54, 56, 73, 76, 82 } },
};

bool isSkill(int skill)
{
    return skill >= 0 && skill < SkillTable::SkillCount;
}

} // namespace

QString TrainingSkills::name(int skill)
{
    return isSkill(skill) ? QString(trainingSkills[skill].name) : QString();
}

QVector<int> TrainingSkills::attributeSet(int skill)
{
    QVector<int> set;
    if (!isSkill(skill))
        return set;
    for (int k : trainingSkills[skill].attributes) {
        if (k >= 0)
            set << k;
    }
    return set;
}
