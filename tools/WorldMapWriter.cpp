#include "WorldMapWriter.h"

#include <QPainter>

#include "ResourceFile.h"
#include "data/NationTable.h"
#include "data/RegionOutlines.h"

namespace WorldMapWriter {

namespace {

const int mapWidth = 840;
const int mapHeight = 450;
const qreal dotRadius = 5;

const QColor plainSea(0x1E, 0x3A, 0x66);
const QColor plainLand(0x5E, 0x7A, 0x46);
const QColor highlight(0xF2, 0xC1, 0x4E);
const QColor highlightEdge(0x7A, 0x1E, 0x10);

QPointF toMap(const QPointF &lonLat)
{
    return QPointF((lonLat.x() + 180) / 360 * mapWidth, (90 - lonLat.y()) / 180 * mapHeight);
}

QPainterPath outlinesPath(const QString &region)
{
    // United one by one: outlines may overlap, and may wind either way.
    QPainterPath path;
    for (const RegionOutlines::Outline &outline : RegionOutlines::outlinesOf(region)) {
        QPolygonF polygon;
        for (const QPointF &point : outline)
            polygon << toMap(point);
        QPainterPath piece;
        piece.addPolygon(polygon);
        piece.closeSubpath();
        path = path.united(piece);
    }
    return path;
}

// One byte per pixel, set where the path covers it (no antialiasing, so a
// pixel is in or out).
QImage coverage(const QPainterPath &path)
{
    QImage mask(mapSize(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.fillPath(path, Qt::white);
    return mask;
}

bool isSea(QRgb pixel)
{
    // Deep water is dark blue, shallow banks blue-green; land is green,
    // brown or white.
    return qBlue(pixel) > qRed(pixel) + 25 && qBlue(pixel) >= qGreen(pixel) - 10;
}

// Where the map shows land: the picture's own colours, or without it the
// regions' outlines.
QImage landOf(const QImage &earth)
{
    if (earth.isNull()) {
        QPainterPath everything;
        for (const QString &region : NationTable::regionNames())
            everything = everything.united(outlinesPath(region));
        return coverage(everything);
    }
    QImage land(mapSize(), QImage::Format_Grayscale8);
    for (int y = 0; y < mapHeight; ++y) {
        uchar *line = land.scanLine(y);
        for (int x = 0; x < mapWidth; ++x)
            line[x] = isSea(earth.pixel(x, y)) ? 0 : 255;
    }
    return land;
}

struct Marking
{
    QColor fill;
    QColor edge;
};

// Tints the region's land in `out` and draws its edge.
void markRegion(QImage &out, const QString &region, const QImage &land, const Marking &marking)
{
    const QImage inside = coverage(outlinesPath(region));
    auto selected = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < mapWidth && y < mapHeight && inside.constScanLine(y)[x]
            && land.constScanLine(y)[x];
    };
    for (int y = 0; y < mapHeight; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < mapWidth; ++x) {
            if (!selected(x, y))
                continue;
            // Two pixels wide, so the edge still shows on the half-size map.
            bool edge = false;
            for (int step = 1; step <= 2 && !edge; ++step)
                edge = !selected(x - step, y) || !selected(x + step, y) || !selected(x, y - step) || !selected(x, y + step);
            line[x] = (edge ? marking.edge : marking.fill).rgba();
        }
    }
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(marking.edge, 1.2));
    painter.setBrush(marking.fill);
    for (const QPointF &dot : RegionOutlines::dotsOf(region))
        painter.drawEllipse(toMap(dot), dotRadius - 1.5, dotRadius - 1.5);
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace

QString defaultEarthPicture()
{
    return QStringLiteral("/usr/share/xplanet/images/earth.jpg");
}

QSize mapSize()
{
    return QSize(mapWidth, mapHeight);
}

QStringList overlayEntries()
{
    return QStringList(QStringLiteral("Ranking")) + NationTable::regionNames();
}

QPainterPath areaOf(const QString &region)
{
    QPainterPath area = outlinesPath(region);
    for (const QPointF &dot : RegionOutlines::dotsOf(region)) {
        QPainterPath disc;
        disc.addEllipse(toMap(dot), dotRadius, dotRadius);
        area = area.united(disc);
    }
    return area;
}

QImage loadEarth(const QString &earthPicture)
{
    const QImage earth(earthPicture);
    if (earth.isNull())
        return QImage();
    return earth.convertToFormat(QImage::Format_RGB32)
        .scaled(mapSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage drawMap(const QImage &earth)
{
    if (!earth.isNull())
        return earth;
    QImage map(mapSize(), QImage::Format_RGB32);
    map.fill(plainSea);
    const QImage land = landOf(earth);
    for (int y = 0; y < mapHeight; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(map.scanLine(y));
        for (int x = 0; x < mapWidth; ++x) {
            if (land.constScanLine(y)[x])
                line[x] = plainLand.rgb();
        }
    }
    return map;
}

QImage drawOverlay(const QString &entry, const QImage &earth)
{
    QImage out(mapSize(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const QImage land = landOf(earth);
    if (entry == QLatin1String("Ranking")) {
        for (const QString &region : NationTable::regionNames())
            markRegion(out, region, land, {withAlpha(highlight, 70), withAlpha(highlightEdge, 90)});
    } else {
        markRegion(out, entry, land, {withAlpha(highlight, 205), highlightEdge});
    }
    return out;
}

bool writeMaps(const QString &resourcesFolder, const QString &earthPicture)
{
    const QString folder = resourcesFolder + QStringLiteral("/World Map/");
    const QImage earth = loadEarth(earthPicture);
    bool ok = ResourceFile::writeImage(folder + QStringLiteral("world_map.jpg"), drawMap(earth));
    for (const QString &entry : overlayEntries())
        ok = ResourceFile::writeImage(folder + QStringLiteral("world_map_") + entry + QStringLiteral(".png"),
                                      drawOverlay(entry, earth)) && ok;
    return ok;
}

bool writeAll(const QString &resourcesFolder)
{
    return writeMaps(resourcesFolder, defaultEarthPicture());
}

} // namespace WorldMapWriter
