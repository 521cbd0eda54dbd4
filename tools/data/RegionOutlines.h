#ifndef REGIONOUTLINES_H
#define REGIONOUTLINES_H

#include <QPointF>
#include <QString>
#include <QVector>

// Rough outlines of the eight regions of the nations table, as points of
// (longitude, latitude) in degrees. They may take in sea and nations of no
// region, never a nation of another region; the world map keeps only the
// land inside them. A region crossing 180 degrees has an outline on each
// side. Nations too small to show on the map are marked by a dot.
namespace RegionOutlines {

using Outline = QVector<QPointF>;

// The outlines of one region (by its name in the nations table).
QVector<Outline> outlinesOf(const QString &region);
// Where the region's too small nations lie.
QVector<QPointF> dotsOf(const QString &region);

} // namespace RegionOutlines

#endif // REGIONOUTLINES_H
