#ifndef ARTSHAPES_H
#define ARTSHAPES_H

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QVector>

// The colours and simple shapes that the drawn resources share, so that
// the window, the help pictures, the flags and the gym colours match.
namespace ArtPalette {

// Dark leather and canvas, tan and rust like the dialogs, gold for what is
// marked.
const QColor espresso(0x1E, 0x12, 0x0A);
const QColor darkLeather(0x3A, 0x24, 0x14);
const QColor leather(0x70, 0x40, 0x18);
const QColor rust(0x88, 0x50, 0x38);
const QColor sienna(0xA0, 0x52, 0x2D);
const QColor tan(0xE0, 0xB6, 0x87);
const QColor paleTan(0xF8, 0xD0, 0xA0);
const QColor gold(0xF2, 0xC1, 0x4E);

} // namespace ArtPalette

namespace ArtShapes {

// A closed polygon through the points.
QPainterPath polygon(const QVector<QPointF> &points);

// A star of `points` tips around `centre`, the first tip straight up.
QPainterPath star(const QPointF &centre, int points, qreal outerRadius, qreal innerRadius);

// A rectangle with rounded corners (square ones for radius 0).
QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0);
QPainterPath ellipse(qreal x, qreal y, qreal w, qreal h);
// The outline of a line `width` wide along the path, with round caps.
QPainterPath stroked(const QPainterPath &path, qreal width);
// The text as a shape centred in the box, shrunk to fit its width.
QPainterPath textPath(const QString &text, const QFont &font, const QRectF &box);

} // namespace ArtShapes

#endif // ARTSHAPES_H
