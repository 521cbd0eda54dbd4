#include "PortraitArtWriter.h"

#include <QHash>
#include <QTransform>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>

#include "ArtShapes.h"
#include "GymColourWriter.h"
#include "ResourceFile.h"
#include "records/GymColours.h"
#include "world/GeneratorTables.h"

namespace PortraitArtWriter {

namespace {

using namespace ArtPalette;
using ArtShapes::ellipse;
using ArtShapes::polygon;
using ArtShapes::rect;
using ArtShapes::stroked;

// The figure stands in the middle of the canvas. Head and waist-to-thigh
// are the same on every body; builds differ in shoulders, chest and arms.
const qreal centreX = 110;
const QRectF headRect(81, 28, 58, 76);
const qreal waistY = 200;
const qreal hemY = 276;

struct Build
{
    qreal shoulder; // half the width across the shoulders
    qreal chest;    // half the width across the chest
    qreal arm;      // thickness of the arms
};

const Build builds[] = {{40, 35, 19}, {46, 41, 22}, {52, 47, 26}};

Build buildOf(int body)
{
    return builds[((body - 1) / 7) % 3];
}

QColor skinOf(int body)
{
    static const QColor tones[] = {
        QColor(0xF4, 0xD7, 0xC2), QColor(0xE9, 0xBF, 0x9A), QColor(0xD8, 0xA4, 0x78),
        QColor(0xBE, 0x85, 0x58), QColor(0x9A, 0x64, 0x3E), QColor(0x76, 0x4A, 0x2C),
        QColor(0x52, 0x34, 0x22),
    };
    return tones[(body - 1) % 7];
}

const QColor gloveRed(0xB0, 0x1E, 0x24);
const QColor headgearBlue(0x1F, 0x4F, 0xA8);

QImage blankCanvas()
{
    QImage image(canvasSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finished(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, 2 * centreX, 0).map(path);
}

QPainterPath bothSides(const QPainterPath &left)
{
    return left.united(mirrored(left));
}

// A surface in its colour, lit from the upper left, with a darker edge.
void paintShaded(QPainter &painter, const QPainterPath &area, const QColor &colour, qreal edge = 1.6)
{
    painter.fillPath(area, colour);
    const QRectF box = area.boundingRect();
    QLinearGradient light(box.topLeft(), box.bottomRight());
    light.setColorAt(0, QColor(255, 255, 255, 55));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 60));
    painter.fillPath(area, light);
    painter.strokePath(area, QPen(colour.darker(170), edge));
}

// ------------------------------------------------------------- shapes --

QPainterPath headShape()
{
    QPainterPath head = ellipse(headRect.x(), headRect.y(), headRect.width(), headRect.height() - 8);
    // A firmer jaw and chin below the cheeks.
    head = head.united(ArtShapes::rect(headRect.x() + 9, 74, headRect.width() - 18, 22, 14));
    return head;
}

QPainterPath earShapes()
{
    return bothSides(ellipse(75, 56, 11, 21));
}

QPainterPath neckShape()
{
    return polygon({{97, 90}, {123, 90}, {126, 122}, {94, 122}});
}

QPainterPath torsoShape(const Build &b)
{
    QPainterPath torso = polygon({{centreX - b.shoulder, 126}, {centreX - 18, 114}, {centreX + 18, 114},
                                  {centreX + b.shoulder, 126}, {centreX + b.chest, 164},
                                  {centreX + 33, waistY + 6}, {centreX - 33, waistY + 6},
                                  {centreX - b.chest, 164}});
    const qreal r = 13;
    torso = torso.united(ellipse(centreX - b.shoulder - 2, 118, 2 * r, 2 * r));
    torso = torso.united(ellipse(centreX + b.shoulder + 2 - 2 * r, 118, 2 * r, 2 * r));
    return torso;
}

QPointF gloveCentre(const Build &b)
{
    return QPointF(centreX - b.shoulder - 14, 238);
}

QPainterPath leftArmLine(const Build &b)
{
    QPainterPath arm(QPointF(centreX - b.shoulder + 6, 130));
    arm.lineTo(centreX - b.shoulder - 9, 186);
    arm.lineTo(gloveCentre(b) + QPointF(2, -12));
    return arm;
}

QPainterPath armShapes(const Build &b)
{
    return bothSides(stroked(leftArmLine(b), b.arm));
}

QPainterPath gloveShapes(const Build &b)
{
    const QPointF c = gloveCentre(b);
    QPainterPath glove = ellipse(c.x() - 17, c.y() - 19, 34, 40);
    glove = glove.united(ellipse(c.x() + 7, c.y() - 6, 14, 18)); // the thumb
    return bothSides(glove);
}

QPainterPath cuffShapes(const Build &b)
{
    const QPointF c = gloveCentre(b);
    return bothSides(rect(c.x() - 13, c.y() - 26, 26, 10, 4));
}

QPainterPath legShapes()
{
    return bothSides(polygon({{74, waistY + 4}, {centreX - 1, waistY + 4}, {106, 352}, {80, 352}, {72, 300}}));
}

// Shorts from the waist to mid-thigh, a split between the legs.
QPainterPath shortsShape()
{
    return polygon({{76, waistY - 2}, {144, waistY - 2}, {153, hemY}, {114, hemY + 4}, {centreX, 242},
                    {106, hemY + 4}, {67, hemY}});
}

QPainterPath trimShape()
{
    QPainterPath trim = rect(70, waistY - 2, 80, 14);
    trim = trim.united(bothSides(polygon({{76, waistY + 10}, {85, waistY + 10}, {76, hemY + 4}, {66, hemY + 2}})));
    trim = trim.united(bothSides(polygon({{66, hemY - 9}, {107, hemY - 5}, {107, hemY + 6}, {66, hemY + 2}})));
    return trim.intersected(shortsShape());
}

// --------------------------------------------------------------- hair --

QPainterPath scalp(qreal hairline)
{
    return ellipse(headRect.x() - 2, headRect.y() - 3, headRect.width() + 4, headRect.height() - 2)
        .intersected(rect(0, 0, 220, hairline));
}

QPainterPath hairShape(int style)
{
    switch (style) {
    case 2: // a crew cut, short all round
        return scalp(50).united(bothSides(rect(80, 44, 6, 20, 2)));
    case 3: { // parted on the side, a fringe sweeping across
        QPainterPath fringe(QPointF(80, 60));
        fringe.cubicTo(QPointF(86, 34), QPointF(120, 30), QPointF(141, 52));
        fringe.cubicTo(QPointF(128, 44), QPointF(104, 42), QPointF(92, 56));
        fringe.closeSubpath();
        return scalp(46).united(fringe).united(bothSides(rect(79, 44, 7, 24, 3)));
    }
    case 4: { // a mohawk, the sides shaved
        QPainterPath crest = rect(101, 14, 18, 40, 8);
        for (int i = 0; i < 4; ++i)
            crest = crest.united(polygon({{101.0 + i * 4, 22.0 - i}, {106.0 + i * 4, 4.0 + i * 2}, {111.0 + i * 4, 22.0 - i}}));
        return crest.intersected(rect(0, 0, 220, 56)).united(scalp(54).intersected(rect(100, 0, 20, 60)));
    }
    case 5: { // tight curls piled on top
        QPainterPath curls = scalp(52);
        for (int i = 0; i < 7; ++i) {
            const qreal x = 78 + i * 9.5;
            const qreal y = 36 - 10 * std::sin(i * 3.14159 / 6);
            curls = curls.united(ellipse(x - 7, y - 12, 16, 16));
        }
        return curls.united(bothSides(ellipse(76, 40, 14, 22)));
    }
    case 6: { // long hair down to the shoulders
        QPainterPath hair = scalp(50);
        // The strands fall beside the cheeks, not over them.
        hair = hair.united(bothSides(polygon({{80, 40}, {88, 46}, {84, 70}, {83, 98}, {90, 126}, {72, 124}, {70, 62}})));
        return hair;
    }
    case 7: // thinning on top, kept short at the sides
    default:
        return bothSides(polygon({{80, 46}, {92, 38}, {90, 52}, {86, 68}, {80, 70}})).united(
            rect(96, 30, 28, 5, 2));
    }
}

// Strands or texture in a darker shade over the hair.
void paintHair(QPainter &painter, const QPainterPath &hair, const QColor &colour)
{
    paintShaded(painter, hair, colour, 1.4);
    painter.save();
    painter.setClipPath(hair);
    QColor strand = colour.darker(135);
    strand.setAlpha(150);
    painter.setPen(QPen(strand, 1.2));
    for (int i = 0; i < 14; ++i) {
        const qreal x = 72 + i * 6;
        painter.drawLine(QPointF(x, 0), QPointF(x + 9, 130));
    }
    painter.restore();
}

// --------------------------------------------------------------- faces --

QColor shadowInk(int alpha)
{
    return QColor(0x2A, 0x14, 0x0A, alpha);
}

void paintEyes(QPainter &painter)
{
    for (qreal x : {97.0, 123.0}) {
        painter.setPen(QPen(shadowInk(190), 1.2));
        painter.setBrush(QColor(0xF6, 0xF2, 0xEA));
        painter.drawEllipse(QPointF(x, 64), 6.5, 3.8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x3A, 0x26, 0x18));
        painter.drawEllipse(QPointF(x, 64), 3.0, 3.0);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(QPointF(x - 1, 63), 0.9, 0.9);
    }
}

void paintBrows(QPainter &painter, const QColor &colour, qreal thickness)
{
    painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(90, 57), QPointF(104, 55));
    painter.drawLine(QPointF(116, 55), QPointF(130, 57));
}

void paintNoseAndMouth(QPainter &painter, bool smile)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(shadowInk(120), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose(QPointF(108, 64));
    nose.cubicTo(QPointF(107, 72), QPointF(103, 78), QPointF(106, 81));
    nose.lineTo(114, 81);
    painter.drawPath(nose);
    QPainterPath mouth(QPointF(101, 90));
    mouth.quadTo(QPointF(110, smile ? 96 : 92), QPointF(119, 90));
    painter.setPen(QPen(QColor(0x7A, 0x2C, 0x24, 210), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(mouth);
}

QPainterPath moustacheShape()
{
    QPainterPath moustache(QPointF(110, 84));
    moustache.cubicTo(QPointF(100, 82), QPointF(96, 86), QPointF(97, 92));
    moustache.cubicTo(QPointF(102, 88), QPointF(106, 88), QPointF(110, 88));
    moustache.closeSubpath();
    return bothSides(moustache);
}

QPainterPath beardShape()
{
    QPainterPath beard = headShape().intersected(rect(0, 78, 220, 40));
    beard = beard.subtracted(ellipse(99, 86, 22, 9));
    return beard.subtracted(rect(0, 0, 84, 220)).subtracted(rect(136, 0, 84, 220));
}

// -------------------------------------------------------------- status --

QColor statusColour(int code)
{
    static const QColor shades[] = {QColor(0xC8, 0x1E, 0x1E), QColor(0xE8, 0x6A, 0x1E), QColor(0xF0, 0xB8, 0x2A),
                                    QColor(0x9C, 0xC2, 0x36), QColor(0x2E, 0xA0, 0x44)};
    return shades[qBound(0, code, 4)];
}

QPainterPath statusRegion(const QString &region)
{
    const Build &b = builds[1];
    if (region == QLatin1String("head"))
        return headShape().united(earShapes()).united(neckShape().intersected(rect(0, 0, 220, 116)));
    if (region == QLatin1String("arms"))
        return armShapes(b).united(gloveShapes(b)).subtracted(torsoShape(b));
    if (region == QLatin1String("legs"))
        return legShapes().united(shortsShape()).subtracted(rect(0, 0, 220, waistY + 6));
    return torsoShape(b).united(neckShape().subtracted(rect(0, 0, 220, 116)));
}

QString hairFile(const QString &stem, int number, const QString &hair)
{
    return stem + QString::number(number) + QLatin1Char('_') + hair + QStringLiteral(".png");
}

} // namespace

QSize canvasSize()
{
    return QSize(220, 352);
}

QColor hairColourOf(const QString &name)
{
    static const QHash<QString, QColor> table = {
        {"Black", QColor(0x1E, 0x19, 0x16)},
        {"Blond", QColor(0xE2, 0xC0, 0x6E)},
        {"Brown", QColor(0x5E, 0x3A, 0x1E)},
        {"Red", QColor(0xB0, 0x4A, 0x1E)},
    };
    return table.value(name, QColor(0x5E, 0x3A, 0x1E));
}

QImage drawBackground()
{
    QImage image(canvasSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), canvasSize());
    // A spotlight on the fighter, the hall dark around him.
    QRadialGradient light(QPointF(centreX, 120), 260);
    light.setColorAt(0.0, QColor(0xC9, 0xA8, 0x84));
    light.setColorAt(0.45, rust);
    light.setColorAt(1.0, espresso);
    painter.fillRect(area, light);
    // Three ring ropes behind him.
    const QColor ropes[] = {QColor(0x9A, 0x2C, 0x20), QColor(0xE8, 0xD8, 0xB8), QColor(0x2C, 0x48, 0x78)};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 150 + i * 56;
        QColor rope = ropes[i];
        rope.setAlpha(150);
        painter.fillRect(QRectF(0, y, area.width(), 7), rope);
        painter.fillRect(QRectF(0, y, area.width(), 2), QColor(255, 255, 255, 50));
    }
    // The canvas floor at the bottom.
    QLinearGradient floor(0, 318, 0, 352);
    floor.setColorAt(0, QColor(0x6A, 0x5A, 0x48));
    floor.setColorAt(1, QColor(0x3A, 0x30, 0x26));
    painter.fillRect(QRectF(0, 318, area.width(), 34), floor);
    return image;
}

QImage drawBody(int number)
{
    const Build b = buildOf(number);
    const QColor skin = skinOf(number);
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    paintShaded(painter, legShapes(), skin);
    paintShaded(painter, armShapes(b), skin);
    // The neck goes under the torso and the head, so neither shows a seam.
    paintShaded(painter, neckShape(), skin);
    paintShaded(painter, torsoShape(b), skin);
    // Chest and stomach, drawn lightly so every tone shows them.
    painter.setPen(QPen(QColor(0, 0, 0, 45), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centreX - b.chest + 6, 128, b.chest - 6, 30), 200 * 16, 140 * 16);
    painter.drawArc(QRectF(centreX, 128, b.chest - 6, 30), 200 * 16, 140 * 16);
    painter.drawLine(QPointF(centreX, 162), QPointF(centreX, 196));
    paintShaded(painter, earShapes(), skin);
    paintShaded(painter, headShape(), skin);
    // Gloves and their white cuffs.
    paintShaded(painter, cuffShapes(b), QColor(0xEE, 0xEA, 0xE2));
    paintShaded(painter, gloveShapes(b), gloveRed);
    painter.end();
    return finished(image);
}

QImage drawShorts(const QColor &colour)
{
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintShaded(painter, shortsShape(), colour, 1.8);
    painter.end();
    return finished(image);
}

QImage drawTrim(const QColor &colour)
{
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintShaded(painter, trimShape(), colour, 1.2);
    painter.end();
    return finished(image);
}

QImage drawHead(int number, const QColor &hair)
{
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (number == 1) {
        // Shaved: only a shadow of stubble over the scalp, on any skin.
        painter.fillPath(scalp(52).intersected(headShape()), QColor(0, 0, 0, 38));
    } else if (number == 8) {
        // Sparring headgear: padding round the face, over the ears, a strap under the chin.
        QPainterPath gear = ellipse(75, 20, 70, 90).united(rect(73, 50, 74, 46, 16));
        gear = gear.subtracted(ellipse(88, 44, 44, 60)).intersected(rect(0, 0, 220, 100));
        paintShaded(painter, gear, headgearBlue, 1.8);
        paintShaded(painter, rect(96, 98, 28, 6, 3), headgearBlue.darker(130), 1.0);
        painter.setPen(QPen(QColor(255, 255, 255, 140), 2));
        painter.drawArc(QRectF(82, 26, 56, 30), 30 * 16, 120 * 16);
    } else {
        paintHair(painter, hairShape(number), hair);
    }
    painter.end();
    return finished(image);
}

QImage drawFace(int number, const QColor &hair)
{
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintEyes(painter);
    if (number == 1) {
        paintBrows(painter, shadowInk(170), 3.0);
        paintNoseAndMouth(painter, false);
    } else {
        paintNoseAndMouth(painter, number == 2);
        if (number == 4)
            paintShaded(painter, beardShape(), hair, 1.0);
        if (number >= 3)
            paintShaded(painter, moustacheShape(), hair, 1.0);
        paintBrows(painter, hair.darker(115), number == 2 ? 4.2 : 3.4);
    }
    painter.end();
    return finished(image);
}

QImage drawStatus(const QString &region, int code)
{
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = statusColour(code);
    fill.setAlpha(245);
    painter.fillPath(statusRegion(region), fill);
    painter.strokePath(statusRegion(region), QPen(statusColour(code).darker(180), 2));
    painter.end();
    return finished(image);
}

bool writeAll(const QString &resourcesFolder)
{
    const QString body = resourcesFolder + QStringLiteral("/Body/");
    const QString heads = resourcesFolder + QStringLiteral("/Heads/");
    bool ok = ResourceFile::writeImage(body + QStringLiteral("portraitbg.jpg"), drawBackground());
    for (int n = 1; n <= bodyCount; ++n)
        ok = ResourceFile::writeImage(body + QStringLiteral("body_%1.png").arg(n), drawBody(n)) && ok;
    for (const QString &name : GymColours::names()) {
        const QColor colour = GymColourWriter::colourOf(name);
        ok = ResourceFile::writeImage(resourcesFolder + QStringLiteral("/Shorts/port_shorts_") + name + QStringLiteral(".png"),
                                      drawShorts(colour)) && ok;
        ok = ResourceFile::writeImage(resourcesFolder + QStringLiteral("/Trim/port_trim_") + name + QStringLiteral(".png"),
                                      drawTrim(colour)) && ok;
    }
    ok = ResourceFile::writeImage(heads + QStringLiteral("head_1.png"), drawHead(1, QColor())) && ok;
    ok = ResourceFile::writeImage(heads + QStringLiteral("head_8.png"), drawHead(8, QColor())) && ok;
    ok = ResourceFile::writeImage(heads + QStringLiteral("face_1.png"), drawFace(1, QColor())) && ok;
    for (const QString &hair : GeneratorTables::hairColours()) {
        const QColor colour = hairColourOf(hair);
        for (int n = 2; n <= hairStyleCount; ++n)
            ok = ResourceFile::writeImage(heads + hairFile(QStringLiteral("head_"), n, hair), drawHead(n, colour)) && ok;
        for (int n = 2; n <= faceCount; ++n)
            ok = ResourceFile::writeImage(heads + hairFile(QStringLiteral("face_"), n, hair), drawFace(n, colour)) && ok;
    }
    for (const char *region : {"body", "head", "arms", "legs"}) {
        for (int code = 0; code <= 4; ++code)
            ok = ResourceFile::writeImage(body + QStringLiteral("%1_status_%2.png").arg(QLatin1String(region)).arg(code),
                                          drawStatus(QLatin1String(region), code)) && ok;
    }
    return ok;
}

} // namespace PortraitArtWriter
