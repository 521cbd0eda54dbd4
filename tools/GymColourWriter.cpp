#include "GymColourWriter.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ArtShapes.h"
#include "ResourceFile.h"
#include "records/GymColours.h"
#include "world/ResourcePaths.h"

namespace GymColourWriter {

namespace {

// The pictures are square; the new-game page shows them at 250 by 250.
const int side = 250;

const QHash<QString, QColor> &palette()
{
    static const QHash<QString, QColor> table = {
        {"Black", QColor(0x1C, 0x1C, 0x1E)},      {"Blue", QColor(0x1F, 0x5F, 0xD6)},
        {"Dark Blue", QColor(0x12, 0x22, 0x6E)},  {"Dark Green", QColor(0x0E, 0x4F, 0x26)},
        {"Dark Red", QColor(0x78, 0x10, 0x16)},   {"Gold", QColor(0xD4, 0xA3, 0x2C)},
        {"Green", QColor(0x2F, 0xA0, 0x45)},      {"Light Yellow", QColor(0xF5, 0xEC, 0xA2)},
        {"Purple", QColor(0x6B, 0x2D, 0x92)},     {"Red", QColor(0xCF, 0x22, 0x2B)},
        {"Silver", QColor(0xB9, 0xBD, 0xC5)},     {"Teal", QColor(0x14, 0x8A, 0x8A)},
        {"White", QColor(0xF4, 0xF4, 0xF2)},      {"Yellow", QColor(0xF2, 0xD2, 0x1D)},
    };
    return table;
}

// The outline both pictures share: a waistband across the top, two legs
// that flare out and a split between them.
const QRectF waistband(52, 40, 146, 30);

QPainterPath shortsOutline()
{
    return ArtShapes::polygon({{52, 40}, {198, 40}, {214, 196}, {136, 208}, {125, 120}, {114, 208}, {36, 196}});
}

// Side stripes down the outer seams and hems at the bottom of both legs.
QPainterPath trimOutline()
{
    QPainterPath trim;
    trim.addRect(waistband);
    // United one by one: the pieces overlap at the corners.
    const QVector<QVector<QPointF>> pieces = {
        {{52, 70}, {64, 70}, {50, 198}, {37, 196}},
        {{198, 70}, {186, 70}, {200, 198}, {213, 196}},
        {{37, 184}, {115, 196}, {114, 208}, {36, 196}},
        {{213, 184}, {135, 196}, {136, 208}, {214, 196}},
    };
    for (const QVector<QPointF> &piece : pieces)
        trim = trim.united(ArtShapes::polygon(piece));
    return trim.intersected(shortsOutline());
}

// Light from the upper left: a soft shine over the cloth.
void shade(QPainter &painter, const QPainterPath &area)
{
    QLinearGradient shine(0, 40, side, 210);
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    shine.setColorAt(1, QColor(0, 0, 0, 70));
    painter.fillPath(area, shine);
}

} // namespace

QColor colourOf(const QString &name)
{
    return palette().value(name, Qt::gray);
}

QImage drawShorts(const QColor &colour)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, side);
    background.setColorAt(0, QColor(0xE8, 0xCF, 0xA8));
    background.setColorAt(1, QColor(0xC8, 0xA0, 0x72));
    painter.fillRect(image.rect(), background);

    const QPainterPath outline = shortsOutline();
    painter.fillPath(outline, colour);
    shade(painter, outline);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 2));
    painter.drawPath(outline);
    return image;
}

QImage drawTrim(const QColor &colour)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath trim = trimOutline();
    painter.fillPath(trim, colour);
    shade(painter, trim);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1.5));
    painter.drawPath(trim);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool writeAll(const QString &resourcesFolder)
{
    bool ok = true;
    for (const QString &name : GymColours::names()) {
        const QColor colour = colourOf(name);
        ok = ResourceFile::writeImage(ResourcePaths::gymShorts(name, resourcesFolder), drawShorts(colour)) && ok;
        ok = ResourceFile::writeImage(ResourcePaths::gymTrim(name, resourcesFolder), drawTrim(colour)) && ok;
    }
    return ok;
}

} // namespace GymColourWriter
