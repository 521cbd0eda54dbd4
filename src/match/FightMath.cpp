#include "FightMath.h"

#include <QStringList>

#include "records/GameRandom.h"

namespace FightMath {

int rollSignedWhenOdd(int range)
{
    const int value = GameRandom::roll(range) + 1;
    return value % 2 == 1 ? -value : value;
}

int styleIndex(const QString &style)
{
    static const QStringList styles = {"Outfighter", "Infighter", "Clincher", "Puncher",
                                       "Kicker", "Brawler", "Tactician"};
    return styles.indexOf(style);
}

} // namespace FightMath
