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
    // commentary when he is heard; the pick is drawn either way.
    void say(Entity_MatchFighter *fighter) const
    {
        const int line = FightMath::pickIndex(5);
        if (fighter->isHeard())
            fighter->appendCommentary(fighter->getLastName() + QLatin1String(text[line]));
    }
};

#endif // FIVELINES_H
