#ifndef SKILLTABLE_H
#define SKILLTABLE_H

#include <QString>

// The 48 skill ratings the screens show, in profile order: twelve groups of
// four. Each rating is a weighted sum of four hidden attributes divided by
// 100. Names, group headings and weights live here once; the screens, the
// training and the player's progress counters all use this order.
class SkillTable
{
public:
    enum Skill {
        Jab = 0, Hook, Cross, Uppercut,
        LowKick, MidKick, HighKick, FrontKick,
        Knee, Elbow, DirtyBoxing, BodyPunching,
        HeadMovement, BodyMovement, Footwork, Positioning,
        HeadGuard, BodyGuard, LegGuard, DazedGuard,
        DirtyBoxDef, ClinchGrappling, ClinchPositioning, ClinchFootwork,
        Strength, Explosiveness, AttackPower, Pressuring,
        Reaction, Dodge, Movement, AttackSpeed,
        Cardio, Toughness, Stamina, Recovery,
        Combinations, Counter, Accuracy, Agility,
        OffAwareness, DefAwareness, Strategizing, Adaptability,
        SelfControl, KillerInstinct, Focus, Perseverance,
        SkillCount
    };
    static const int SkillsPerGroup = 4;
    static const int GroupCount = SkillCount / SkillsPerGroup;
    static const int WeightsPerSkill = 4;

    struct Weight {
        int attribute; // attribute number k (whole-number index k + 4)
        int weight;
    };

    // The name the screens show, such as "Dirty Box Def.".
    static QString name(int skill);
    // The heading of group g (0..11), such as "Offense - Punch".
    static QString groupHeading(int group);
    static const Weight *weights(int skill);
    // The rating from the 83 attributes: the weighted sum / 100, truncated
    // toward zero (attributes may be negative after aging).
    static int rating(const int *attributes, int skill);
};

#endif // SKILLTABLE_H
