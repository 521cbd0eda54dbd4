#include "GymColours.h"

namespace GymColours {

const QStringList &names()
{
    static const QStringList list = {
        "Black", "Blue", "Dark Blue", "Dark Green", "Dark Red", "Gold", "Green",
        "Light Yellow", "Purple", "Red", "Silver", "Teal", "White", "Yellow",
    };
    return list;
}

} // namespace GymColours
