#ifndef MATCHMESSAGE_H
#define MATCHMESSAGE_H

// The codes the two fighters' states send each other through the engine.
// They travel as plain ints.
namespace MatchMessage {
enum Code {
    MovedIn = 0,
    MovedOut = 1,
    MovedClinch = 2,
    Hit = 3,
    Knockdown = 4,
    Knockout = 5,
    AttackOut = 6,
    AttackIn = 7,
    AttackClinch = 8,
    Jab = 9,
    Hook = 10,
    Cross = 11,
    Uppercut = 12,
    LowKick = 13,
    MidKick = 14,
    HighKick = 15,
    FrontKick = 16,
    Knee = 17,
    Elbow = 18,
    DirtyBox = 19,
    BodyPunch = 20,
    Blocked = 21,
    Dodged = 22,
    Countered = 23,
    DefenderMoved = 24,
    Returned = 25
};

inline bool isStrike(int code) { return code >= Jab && code <= BodyPunch; }
} // namespace MatchMessage

#endif // MATCHMESSAGE_H
