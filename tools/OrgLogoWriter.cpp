#include "OrgLogoWriter.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QStringList>

#include <climits>
#include <cmath>

#include "ArtShapes.h"
#include "ResourceFile.h"
#include "data/OrganizationTable.h"
#include "world/ResourcePaths.h"

namespace OrgLogoWriter {

namespace {

using ArtShapes::ellipse;
using ArtShapes::polygon;
using ArtShapes::rect;
using ArtShapes::stroked;

const int side = 250;

enum class Emblem { Star, Bolt, Crown, Sun, Shield, Diamond, Mountain, Flame, Wave, Fist, Laurel, Gate };

struct LogoStyle
{
    QColor field;  // the badge's ground
    QColor accent; // frame and emblem
    QColor ink;    // the lettering
    Emblem emblem;
};

// One row per organization of the table, by name.
const QHash<QString, LogoStyle> &styles()
{
    static const QHash<QString, LogoStyle> table = {
        {"G-1", {QColor(0x14, 0x14, 0x18), QColor(0xE8, 0x20, 0x2A), Qt::white, Emblem::Sun}},
        {"Genesis", {QColor(0xF0, 0x7A, 0x10), QColor(0x1A, 0x1A, 0x1A), Qt::white, Emblem::Star}},
        {"King's Stadium", {QColor(0x7A, 0x10, 0x18), QColor(0xF2, 0xC1, 0x4E), QColor(0xFF, 0xF0, 0xC8), Emblem::Crown}},
        {"GKO", {QColor(0x10, 0x10, 0x10), QColor(0xF2, 0xC1, 0x1E), QColor(0xF2, 0xC1, 0x1E), Emblem::Bolt}},
        {"EPIC", {QColor(0x12, 0x22, 0x6E), QColor(0xCF, 0x22, 0x2B), Qt::white, Emblem::Star}},
        {"Ironheart FC", {QColor(0x4A, 0x4E, 0x56), QColor(0xC8, 0x30, 0x30), Qt::white, Emblem::Shield}},
        {"Red Storm Global", {QColor(0xB0, 0x14, 0x18), QColor(0x10, 0x10, 0x10), Qt::white, Emblem::Bolt}},
        {"Albion FC", {QColor(0xF2, 0xEE, 0xE4), QColor(0x1C, 0x2C, 0x6C), QColor(0x1C, 0x2C, 0x6C), Emblem::Shield}},
        {"Dubai FC", {QColor(0x0E, 0x4F, 0x3A), QColor(0xE0, 0xB8, 0x50), QColor(0xF8, 0xE8, 0xC0), Emblem::Diamond}},
        {"Santa Maria FC", {QColor(0x14, 0x6A, 0x3A), QColor(0xE8, 0x2A, 0x2A), Qt::white, Emblem::Flame}},
        {"Valhalla", {QColor(0x1A, 0x3A, 0x5C), QColor(0xC8, 0xD4, 0xE0), Qt::white, Emblem::Mountain}},
        {"Tie Long", {QColor(0xC8, 0x1E, 0x1E), QColor(0xF2, 0xC1, 0x4E), QColor(0xF2, 0xC1, 0x4E), Emblem::Flame}},
        {"Pomwaree Stadium", {QColor(0x1F, 0x5F, 0xD6), QColor(0xF4, 0xF4, 0xF2), Qt::white, Emblem::Gate}},
        {"Kings Of Rio", {QColor(0xF2, 0xD2, 0x1D), QColor(0x10, 0x7A, 0x3A), QColor(0x0E, 0x3A, 0x20), Emblem::Wave}},
        {"Daichi Senshu", {QColor(0xF4, 0xF0, 0xE8), QColor(0xC0, 0x18, 0x20), QColor(0x20, 0x18, 0x18), Emblem::Sun}},
        {"Centurion", {QColor(0x6B, 0x2D, 0x92), QColor(0xE0, 0xB8, 0x50), QColor(0xF8, 0xE8, 0xC0), Emblem::Laurel}},
        {"North Star", {QColor(0x0C, 0x1A, 0x3A), QColor(0xB9, 0xD4, 0xF0), Qt::white, Emblem::Star}},
        {"Ivory Throne", {QColor(0xF0, 0xE6, 0xCC), QColor(0xE0, 0x70, 0x10), QColor(0x3A, 0x24, 0x14), Emblem::Fist}},
    };
    return table;
}

// ------------------------------------------------------------ emblems --
// Drawn in a 100 by 100 box, then placed above the name.

QPainterPath sunEmblem()
{
    QPainterPath sun = ellipse(30, 30, 40, 40);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const QPointF tip(50 + 48 * std::cos(a), 50 + 48 * std::sin(a));
        const QPointF left(50 + 26 * std::cos(a - 0.16), 50 + 26 * std::sin(a - 0.16));
        const QPointF right(50 + 26 * std::cos(a + 0.16), 50 + 26 * std::sin(a + 0.16));
        sun = sun.united(polygon({left, tip, right}));
    }
    return sun;
}

QPainterPath emblemPath(Emblem emblem)
{
    switch (emblem) {
    case Emblem::Star:
        return ArtShapes::star(QPointF(50, 54), 5, 50, 21);
    case Emblem::Bolt:
        return polygon({{58, 0}, {22, 56}, {46, 56}, {36, 100}, {80, 38}, {54, 38}, {68, 0}});
    case Emblem::Crown: {
        QPainterPath crown = polygon({{8, 30}, {30, 58}, {50, 12}, {70, 58}, {92, 30}, {84, 84}, {16, 84}});
        for (const QPointF &tip : {QPointF(8, 30), QPointF(50, 12), QPointF(92, 30)})
            crown = crown.united(ellipse(tip.x() - 8, tip.y() - 8, 16, 16));
        return crown.united(rect(16, 86, 68, 10, 3));
    }
    case Emblem::Sun:
        return sunEmblem();
    case Emblem::Shield: {
        QPainterPath shield(QPointF(10, 8));
        shield.lineTo(90, 8);
        shield.cubicTo(QPointF(92, 60), QPointF(70, 84), QPointF(50, 98));
        shield.cubicTo(QPointF(30, 84), QPointF(8, 60), QPointF(10, 8));
        shield.closeSubpath();
        return shield.subtracted(stroked(polygon({{22, 20}, {78, 20}, {76, 56}, {50, 82}, {24, 56}}), 5));
    }
    case Emblem::Diamond:
        return polygon({{50, 2}, {92, 40}, {50, 98}, {8, 40}}).subtracted(
            stroked(polygon({{8, 40}, {92, 40}}), 5));
    case Emblem::Mountain:
        return polygon({{0, 92}, {34, 22}, {50, 50}, {66, 8}, {100, 92}})
            .subtracted(polygon({{56, 30}, {66, 8}, {76, 30}, {66, 38}}).translated(0, 2));
    case Emblem::Flame: {
        QPainterPath flame(QPointF(50, 0));
        flame.cubicTo(QPointF(62, 26), QPointF(92, 40), QPointF(84, 70));
        flame.cubicTo(QPointF(78, 92), QPointF(62, 100), QPointF(50, 100));
        flame.cubicTo(QPointF(30, 100), QPointF(14, 88), QPointF(16, 64));
        flame.cubicTo(QPointF(18, 44), QPointF(34, 40), QPointF(32, 20));
        flame.cubicTo(QPointF(44, 30), QPointF(44, 40), QPointF(50, 0));
        flame.closeSubpath();
        return flame.subtracted(ellipse(36, 62, 28, 32));
    }
    case Emblem::Wave: {
        QPainterPath waves;
        for (int i = 0; i < 3; ++i) {
            QPainterPath wave(QPointF(4, 28 + i * 26));
            wave.cubicTo(QPointF(26, 6 + i * 26), QPointF(40, 48 + i * 26), QPointF(56, 26 + i * 26));
            wave.cubicTo(QPointF(70, 6 + i * 26), QPointF(84, 44 + i * 26), QPointF(96, 24 + i * 26));
            waves = waves.united(stroked(wave, 11));
        }
        return waves;
    }
    case Emblem::Fist: {
        // A raised glove: the mitt, its thumb and the cuff.
        QPainterPath glove = rect(18, 8, 64, 62, 28).united(ellipse(4, 34, 30, 26));
        return glove.subtracted(stroked(polygon({{34, 40}, {34, 42}}), 3)).united(rect(26, 72, 48, 26, 5));
    }
    case Emblem::Laurel: {
        QPainterPath laurel;
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 5; ++i) {
                const qreal a = M_PI * (0.6 + i * 0.17);
                const QPointF c(50 + side * 40 * std::cos(a - M_PI / 2), 56 + 40 * std::sin(a - M_PI / 2) * -1);
                laurel = laurel.united(ellipse(c.x() - 8, c.y() - 13, 16, 26));
            }
        }
        return laurel.united(ArtShapes::star(QPointF(50, 52), 5, 20, 8));
    }
    case Emblem::Gate:
        // A stadium's roof on its columns.
        return polygon({{2, 34}, {50, 4}, {98, 34}}).united(rect(6, 38, 88, 8))
            .united(rect(14, 50, 12, 36)).united(rect(44, 50, 12, 36)).united(rect(74, 50, 12, 36))
            .united(rect(4, 88, 92, 10));
    }
    return QPainterPath();
}

// The name in up to two lines, split where the longer line is shortest.
QStringList nameLines(const QString &name)
{
    const QStringList words = name.toUpper().split(QLatin1Char(' '));
    if (words.size() == 1)
        return words;
    QStringList best;
    int bestLength = INT_MAX;
    for (int cut = 1; cut < words.size(); ++cut) {
        const QStringList lines = {words.mid(0, cut).join(QLatin1Char(' ')), words.mid(cut).join(QLatin1Char(' '))};
        const int longer = qMax(lines.at(0).size(), lines.at(1).size());
        if (longer < bestLength) {
            bestLength = longer;
            best = lines;
        }
    }
    return best;
}

// The line as a shape filling the box: as wide as the box allows and, for
// a long line, drawn up to nearly twice as tall, so it still reads small.
QPainterPath fittedLine(const QString &line, const QFont &font, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font, line);
    const QRectF bounds = path.boundingRect();
    const qreal across = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    const qreal up = qMin(box.height() / bounds.height(), across * 1.9);
    path = QTransform::fromScale(across, up).map(path);
    return path.translated(box.center() - path.boundingRect().center());
}

void letter(QPainter &painter, const QStringList &lines, const LogoStyle &style)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(48);
    const qreal top = lines.size() == 1 ? 122 : 128, bottom = 234, gap = 8;
    const qreal lineHeight = (bottom - top - gap * (lines.size() - 1)) / lines.size();
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF box(20, top + i * (lineHeight + gap), side - 40, lineHeight);
        const QPainterPath text = fittedLine(lines.at(i), font, box);
        painter.strokePath(text, QPen(style.field.darker(300), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(text, style.ink);
    }
}

} // namespace

QSize logoSize()
{
    return QSize(side, side);
}

QImage drawLogo(const QString &organization)
{
    const LogoStyle style = styles().value(organization, {QColor(0x70, 0x40, 0x18), QColor(0xE0, 0xB6, 0x87),
                                                          Qt::white, Emblem::Star});
    QImage image(logoSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, side, side);
    QRadialGradient ground(QPointF(side / 2.0, side * 0.35), side * 0.8);
    ground.setColorAt(0, style.field.lighter(125));
    ground.setColorAt(1, style.field.darker(125));
    painter.fillRect(area, ground);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.accent, 9));
    painter.drawRect(area.adjusted(8, 8, -8, -8));

    const QPainterPath emblem = QTransform::fromTranslate(80, 22).scale(0.9, 0.9).map(emblemPath(style.emblem));
    painter.strokePath(emblem, QPen(style.field.darker(250), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(emblem, style.accent);
    letter(painter, nameLines(organization), style);
    return image;
}

bool writeAll(const QString &resourcesFolder)
{
    bool ok = true;
    for (const OrganizationTable::Organization &org : OrganizationTable::organizations())
        ok = ResourceFile::writeImage(ResourcePaths::orgLogo(org.name, resourcesFolder), drawLogo(org.name)) && ok;
    return ok;
}

} // namespace OrgLogoWriter
