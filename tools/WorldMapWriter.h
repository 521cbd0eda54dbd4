#ifndef WORLDMAPWRITER_H
#define WORLDMAPWRITER_H

#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>

// Writes "Resources/World Map/": world_map.jpg, the whole world at 840 by
// 450 from Debian's xplanet-images picture (longitude -180 at the left,
// latitude 90 at the top), and world_map_<entry>.png for each entry of the
// database's region filter: clear but for that region's land, tinted and
// outlined ("Ranking" marks every region lightly). Without the package the
// map is plain sea with the regions' outlines as land.
namespace WorldMapWriter {

QString defaultEarthPicture();
QSize mapSize();
// "Ranking", then the eight regions.
QStringList overlayEntries();

// Where a region's land may lie on the map: its outlines and a disc
// around each nation too small to show.
QPainterPath areaOf(const QString &region);

// The package's picture, scaled to the map; a null picture without it.
QImage loadEarth(const QString &earthPicture);
QImage drawMap(const QImage &earth);
QImage drawOverlay(const QString &entry, const QImage &earth);

bool writeMaps(const QString &resourcesFolder, const QString &earthPicture);
bool writeAll(const QString &resourcesFolder);

} // namespace WorldMapWriter

#endif // WORLDMAPWRITER_H
