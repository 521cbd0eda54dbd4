#ifndef FIGHTATTRIBUTE_H
#define FIGHTATTRIBUTE_H

#include "records/Fighter.h"

// The attributes the fight reads by name, in the fighter's own numbering
// (attribute k). The states read them from the whole-number vector, where
// attribute k sits at inVector(k). The attributes have no names of their
// own: each is named after what it mostly feeds.
namespace FightAttribute {
enum Name {
    Constitution = 52, // health of every part, recovery
    Endurance = 53,    // stamina, cardio
    Workrate = 54,     // stamina, pressuring, recovery
    Wind = 55,         // cardio
    Sturdiness = 56,   // toughness, pressuring; arm and leg health
    Reflexes = 59,     // reaction, dodge, counter
    Mobility = 62,     // movement, footwork
    Power = 66,        // attack power
    Alertness = 67,    // reaction, focus, combinations
    Composure = 70,    // dazed guard, focus
    FightIq = 71,      // awareness, strategizing
    Vision = 72,       // awareness, accuracy
    Heart = 73,        // toughness, perseverance; head and body health, stamina
    Adaptation = 74,   // adaptability, strategizing
    Craft = 75,        // clinch strikes, strategizing
    Drive = 76,        // killer instinct, perseverance
    Aggression = 77,   // killer instinct, combinations
    Timing = 78,       // counter, agility
    Technique = 79,    // combinations, accuracy, agility
    RingSense = 81,    // positioning
    Discipline = 82    // self control, focus
};

constexpr int inVector(Name attribute) { return Fighter::FirstAttributeIndex + attribute; }
} // namespace FightAttribute

#endif // FIGHTATTRIBUTE_H
