#include "FighterSnapshot.h"

#include "FightMath.h"
#include "records/Fighter.h"

std::shared_ptr<const FighterSnapshot> FighterSnapshot::of(const Fighter &fighter)
{
    auto snapshot = std::make_shared<FighterSnapshot>();
    fighter.getStrings(snapshot->strings);
    fighter.getInts(snapshot->ints);
    snapshot->style = snapshot->strings.value(Fighter::StyleText);
    snapshot->styleIndex = FightMath::styleIndex(snapshot->style);
    return snapshot;
}

const std::shared_ptr<const FighterSnapshot> &FighterSnapshot::empty()
{
    static const std::shared_ptr<const FighterSnapshot> nobody = std::make_shared<FighterSnapshot>();
    return nobody;
}
