#include "FighterSnapshot.h"

#include "FightMath.h"
#include "records/Fighter.h"

std::unique_ptr<const FighterSnapshot> FighterSnapshot::of(const Fighter &fighter)
{
    std::unique_ptr<FighterSnapshot> snapshot(new FighterSnapshot);
    fighter.getStrings(snapshot->strings);
    fighter.getInts(snapshot->ints);
    snapshot->style = snapshot->strings.value(Fighter::StyleText);
    snapshot->styleIndex = FightMath::styleIndex(snapshot->style);
    return snapshot;
}

const FighterSnapshot &FighterSnapshot::ofBlankFighter()
{
    static const std::unique_ptr<const FighterSnapshot> blank = of(Fighter());
    return *blank;
}
