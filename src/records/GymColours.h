#ifndef GYMCOLOURS_H
#define GYMCOLOURS_H

#include <QStringList>

// The colours a gym can wear, in the order the new-game page offers them.
// A colour's name is also its key in the gym colour pictures
// "./Resources/Shorts/gym_shorts_<colour>.jpg" and
// "./Resources/Trim/gym_trim_<colour>.png", spaces included.
namespace GymColours {

const QStringList &names();

} // namespace GymColours

#endif // GYMCOLOURS_H
