#ifndef GYMCOLOURWRITER_H
#define GYMCOLOURWRITER_H

#include <QColor>
#include <QImage>
#include <QString>

// Writes the gym colour pictures of the 14 gym colours: a pair of shorts in
// the colour, Resources/Shorts/gym_shorts_<colour>.jpg, and their trim,
// Resources/Trim/gym_trim_<colour>.png. Both are the same size and drawn on
// the same outline, so the trim painted over the shorts at the top-left
// corner sits on them; the trim is transparent everywhere else.
namespace GymColourWriter {

QColor colourOf(const QString &name);
QImage drawShorts(const QColor &colour);
QImage drawTrim(const QColor &colour);

bool writeAll(const QString &resourcesFolder);

} // namespace GymColourWriter

#endif // GYMCOLOURWRITER_H
