#ifndef FIVELINES_H
#define FIVELINES_H

#include <QString>

#include "match/Entity_MatchFighter.h"
#include "match/FightMath.h"

// Five commentary texts, one of which follows the fighter's last name.
// Each text carries its own leading blank or apostrophe.
struct FiveLines {
    const char *text[5];

    // The fighter's last name and text (R(100) + 1) % 5, appended to his
    // commentary.
    void say(Entity_MatchFighter *fighter) const
    {
        fighter->appendCommentary(fighter->getLastName() + QLatin1String(text[FightMath::pickIndex(5)]));
    }
};

#endif // FIVELINES_H
