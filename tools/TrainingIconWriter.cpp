#include "TrainingIconWriter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <iterator>

#include "ArtShapes.h"
#include "ResourceFile.h"
#include "world/ResourcePaths.h"

namespace TrainingIconWriter {

namespace {

using namespace ArtPalette;
using ArtShapes::ellipse;
using ArtShapes::polygon;
using ArtShapes::rect;
using ArtShapes::stroked;

const int side = 100;
const QColor bagRed(0xB8, 0x2A, 0x22);
const QColor steel(0x8C, 0x94, 0x9E);
const QColor figure(0x3C, 0x5C, 0x8C);
const QColor shadowGrey(0x60, 0x60, 0x64, 150);
const QColor outline = espresso;

// Every shape gets the same dark outline, then its fill.
void ink(QPainter &painter, const QPainterPath &shape, const QColor &fill)
{
    painter.strokePath(shape, QPen(outline, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(shape, fill);
}

QPainterPath line(const QVector<QPointF> &points, qreal width)
{
    QPainterPath path(points.first());
    for (int i = 1; i < points.size(); ++i)
        path.lineTo(points.at(i));
    return stroked(path, width);
}

// A person as thick limbs: head, neck to hip, then elbow-hand and
// knee-foot for each side.
struct Pose
{
    QPointF head, neck, hip;
    QPointF leftElbow, leftHand, rightElbow, rightHand;
    QPointF leftKnee, leftFoot, rightKnee, rightFoot;
};

QPainterPath body(const Pose &p)
{
    QPainterPath person = ellipse(p.head.x() - 8, p.head.y() - 8, 16, 16);
    person = person.united(line({p.neck, p.hip}, 12));
    person = person.united(line({p.neck, p.leftElbow, p.leftHand}, 8));
    person = person.united(line({p.neck, p.rightElbow, p.rightHand}, 8));
    person = person.united(line({p.hip, p.leftKnee, p.leftFoot}, 9));
    return person.united(line({p.hip, p.rightKnee, p.rightFoot}, 9));
}

QPainterPath gloves(const Pose &p)
{
    return ellipse(p.leftHand.x() - 6, p.leftHand.y() - 6, 12, 12)
        .united(ellipse(p.rightHand.x() - 6, p.rightHand.y() - 6, 12, 12));
}

void drawFighter(QPainter &painter, const Pose &pose, const QColor &colour = figure)
{
    ink(painter, body(pose), colour);
    ink(painter, gloves(pose), bagRed);
}

// A boxer's stance facing right, shifted by `dx`.
Pose stance(qreal dx)
{
    return {{40 + dx, 18}, {40 + dx, 29}, {38 + dx, 60}, {50 + dx, 38}, {60 + dx, 26}, {46 + dx, 44},
            {52 + dx, 30}, {46 + dx, 76}, {50 + dx, 94}, {30 + dx, 76}, {22 + dx, 94}};
}

Pose mirroredPose(const Pose &p)
{
    auto m = [](const QPointF &q) { return QPointF(side - q.x(), q.y()); };
    return {m(p.head), m(p.neck), m(p.hip), m(p.leftElbow), m(p.leftHand), m(p.rightElbow),
            m(p.rightHand), m(p.leftKnee), m(p.leftFoot), m(p.rightKnee), m(p.rightFoot)};
}

QPainterPath chain(qreal x, qreal top, qreal bottom)
{
    QPainterPath links;
    for (qreal y = top; y < bottom; y += 7)
        links = links.united(stroked(ellipse(x - 3, y, 6, 8), 2.2));
    return links;
}

// ---------------------------------------------------------------- icons --

void rest(QPainter &p)
{
    ink(p, ellipse(10, 24, 60, 60).subtracted(ellipse(28, 14, 60, 60)), gold);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(30);
    ink(p, ArtShapes::textPath(QStringLiteral("Z"), font, QRectF(54, 8, 36, 36)), paleTan);
    font.setPixelSize(20);
    ink(p, ArtShapes::textPath(QStringLiteral("z"), font, QRectF(70, 40, 24, 24)), paleTan);
}

void heavyBag(QPainter &p)
{
    ink(p, chain(50, 2, 18), steel);
    // Wide and heavy, unlike the slim banana bag.
    ink(p, rect(24, 18, 52, 78, 12), bagRed);
    p.fillPath(rect(24, 30, 52, 5).united(rect(24, 78, 52, 5)), espresso);
}

void focusMitts(QPainter &p)
{
    for (const QPointF &c : {QPointF(32, 44), QPointF(68, 58)}) {
        ink(p, ellipse(c.x() - 24, c.y() - 28, 48, 56), bagRed);
        ink(p, ellipse(c.x() - 12, c.y() - 14, 24, 28), paleTan);
        p.fillPath(ellipse(c.x() - 5, c.y() - 6, 10, 12), bagRed);
    }
}

void speedBag(QPainter &p)
{
    ink(p, rect(8, 6, 84, 14, 3), leather);
    ink(p, rect(46, 20, 8, 8), steel);
    QPainterPath bag(QPointF(50, 28));
    bag.cubicTo(QPointF(80, 40), QPointF(76, 92), QPointF(50, 94));
    bag.cubicTo(QPointF(24, 92), QPointF(20, 40), QPointF(50, 28));
    ink(p, bag, bagRed);
}

void bananaBag(QPainter &p)
{
    ink(p, chain(50, 0, 10), steel);
    ink(p, rect(38, 10, 24, 88, 12), QColor(0x2A, 0x2A, 0x2E));
    p.fillPath(rect(38, 40, 24, 6).united(rect(38, 66, 24, 6)), gold);
}

void wallBag(QPainter &p)
{
    ink(p, rect(12, 6, 76, 88, 4), steel);
    ink(p, rect(22, 16, 56, 68, 10), bagRed);
    for (qreal y : {38.0, 60.0})
        p.fillPath(rect(26, y, 48, 3), espresso);
    for (const QPointF &c : {QPointF(17, 11), QPointF(83, 11), QPointF(17, 89), QPointF(83, 89)})
        p.fillPath(ellipse(c.x() - 3, c.y() - 3, 6, 6), espresso);
}

void thaiPads(QPainter &p)
{
    for (qreal x : {10.0, 56.0}) {
        ink(p, rect(x, 10, 34, 80, 9), bagRed);
        p.fillPath(rect(x + 4, 28, 26, 4).united(rect(x + 4, 68, 26, 4)), espresso);
        p.fillPath(rect(x + 6, 40, 22, 20, 4), paleTan);
    }
}

void sparring(QPainter &p)
{
    drawFighter(p, stance(-14));
    drawFighter(p, mirroredPose(stance(-14)), sienna);
}

void shadowBoxing(QPainter &p)
{
    p.fillPath(body(stance(12)).translated(6, 0), shadowGrey);
    p.fillPath(gloves(stance(12)).translated(6, 0), shadowGrey);
    drawFighter(p, stance(-4));
}

void grappling(QPainter &p)
{
    Pose left = {{40, 20}, {38, 32}, {30, 62}, {56, 26}, {62, 16}, {52, 38}, {62, 30},
                 {32, 80}, {36, 96}, {20, 78}, {14, 96}};
    ink(p, body(left), figure);
    ink(p, body(mirroredPose(left)), sienna);
    ink(p, gloves(left), bagRed);
}

void swerveBag(QPainter &p)
{
    p.strokePath(line({{50, 0}, {50, 46}}, 2.5), QPen(outline, 2));
    ink(p, ellipse(36, 44, 28, 28), bagRed);
    p.strokePath(line({{50, 72}, {50, 100}}, 2.5), QPen(outline, 2));
    p.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 34, 30, 48), 120 * 16, 120 * 16);
    p.drawArc(QRectF(60, 34, 30, 48), -60 * 16, 120 * 16);
}

void movementDrills(QPainter &p)
{
    // An agility ladder laid on the floor, with a cone at its end.
    QPainterPath ladder = line({{18, 96}, {34, 20}}, 5).united(line({{64, 96}, {58, 20}}, 5));
    for (int i = 0; i < 5; ++i) {
        const qreal t = i / 4.0;
        ladder = ladder.united(line({{18 + 16 * t, 90 - 66 * t}, {64 - 6 * t, 90 - 66 * t}}, 4));
    }
    ink(p, ladder, gold);
    ink(p, polygon({{82, 44}, {94, 88}, {70, 88}}), QColor(0xF0, 0x7A, 0x10));
}

void foamSticks(QPainter &p)
{
    ink(p, line({{18, 90}, {74, 10}}, 16), QColor(0x2E, 0x9C, 0xD8));
    ink(p, line({{26, 10}, {82, 90}}, 16), QColor(0xF2, 0xD2, 0x1D));
}

void skipRope(QPainter &p)
{
    QPainterPath rope(QPointF(22, 40));
    rope.cubicTo(QPointF(10, 110), QPointF(90, 110), QPointF(78, 40));
    ink(p, stroked(rope, 4), paleTan);
    ink(p, rect(15, 10, 14, 32, 6), bagRed);
    ink(p, rect(71, 10, 14, 32, 6), bagRed);
}

void kettleBell(QPainter &p)
{
    ink(p, stroked(ellipse(28, 8, 44, 44), 9).subtracted(rect(0, 34, 100, 66)), QColor(0x3A, 0x3A, 0x3E));
    ink(p, ellipse(16, 30, 68, 64), QColor(0x3A, 0x3A, 0x3E));
    p.fillPath(ellipse(30, 42, 16, 12), QColor(255, 255, 255, 60));
}

void running(QPainter &p)
{
    const Pose runner = {{60, 14}, {56, 26}, {44, 54}, {72, 34}, {82, 24}, {40, 38}, {28, 48},
                         {64, 66}, {56, 92}, {30, 68}, {12, 74}};
    ink(p, body(runner), figure);
    for (int i = 0; i < 3; ++i)
        ink(p, rect(4, 20 + i * 12, 16 - i * 3, 3, 1), paleTan);
}

void plyometrics(QPainter &p)
{
    ink(p, rect(46, 62, 48, 34, 3), leather);
    const Pose jumper = {{30, 12}, {30, 24}, {30, 48}, {16, 18}, {10, 8}, {44, 18}, {50, 8},
                         {40, 56}, {36, 70}, {22, 58}, {18, 72}};
    ink(p, body(jumper), figure);
    ink(p, polygon({{62, 42}, {70, 28}, {78, 42}}).united(rect(67, 40, 6, 14)), gold);
}

void heavyWeights(QPainter &p)
{
    ink(p, rect(4, 46, 92, 8, 3), steel);
    for (qreal x : {12.0, 24.0, 68.0, 80.0})
        ink(p, rect(x, x < 50 ? 22 : 22, 9, 56, 3), QColor(0x2A, 0x2A, 0x2E));
}

void videoStudy(QPainter &p)
{
    ink(p, rect(6, 14, 88, 62, 6), QColor(0x2A, 0x2A, 0x2E));
    p.fillPath(rect(13, 21, 74, 48, 3), QColor(0x5A, 0x8C, 0xC8));
    ink(p, polygon({{42, 32}, {64, 45}, {42, 58}}), Qt::white);
    ink(p, rect(34, 80, 32, 8, 2), QColor(0x2A, 0x2A, 0x2E));
}

void gamePlanning(QPainter &p)
{
    ink(p, rect(14, 10, 72, 88, 5), paleTan);
    ink(p, rect(36, 4, 28, 14, 4), steel);
    p.setPen(QPen(bagRed, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 34), QPointF(40, 48));
    p.drawLine(QPointF(40, 34), QPointF(26, 48));
    p.setPen(QPen(figure, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(58, 60, 16, 16));
    QPainterPath arrow(QPointF(38, 56));
    arrow.quadTo(QPointF(40, 74), QPointF(56, 70));
    p.setPen(QPen(espresso, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrow);
    p.fillPath(polygon({{52, 62}, {60, 70}, {50, 76}}), espresso);
}

void meditate(QPainter &p)
{
    QPainterPath person = ellipse(42, 8, 16, 16).united(line({{50, 26}, {50, 58}}, 14));
    person = person.united(line({{50, 30}, {34, 50}, {28, 66}}, 8)).united(line({{50, 30}, {66, 50}, {72, 66}}, 8));
    person = person.united(rect(14, 64, 72, 16, 8));
    ink(p, person, figure);
    ink(p, ellipse(22, 62, 10, 10).united(ellipse(68, 62, 10, 10)), paleTan);
    ink(p, rect(10, 84, 80, 8, 4), gold);
}

void rattanSticks(QPainter &p)
{
    for (const QLineF &stick : {QLineF(14, 92, 86, 12), QLineF(14, 12, 86, 92)}) {
        QPainterPath path(stick.p1());
        path.lineTo(stick.p2());
        ink(p, stroked(path, 8), QColor(0xC8, 0x98, 0x58));
        QPainterPath grip(stick.p1());
        grip.lineTo(stick.pointAt(0.22));
        ink(p, stroked(grip, 10), espresso.lighter(180));
    }
}

// The drawings in plan order, as ResourcePaths names their files.
using Drawing = void (*)(QPainter &);
const Drawing drawings[] = {
    rest, heavyBag, focusMitts, speedBag, bananaBag, wallBag, thaiPads, sparring, shadowBoxing, grappling, swerveBag,
    movementDrills, foamSticks, skipRope, kettleBell, running, plyometrics, heavyWeights, videoStudy, gamePlanning,
    meditate, rattanSticks,
};
static_assert(std::size(drawings) == TrainingType::Count, "one drawing per training plan");

QImage drawPlan(int plan)
{
    QImage image(iconSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawings[plan](painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QSize iconSize()
{
    return QSize(side, side);
}

QStringList iconFiles()
{
    QStringList files;
    for (const char *file : ResourcePaths::trainingIconFiles)
        files << QLatin1String(file);
    return files;
}

QImage drawIcon(const QString &file)
{
    const int plan = iconFiles().indexOf(file);
    return plan < 0 ? QImage() : drawPlan(plan);
}

bool writeAll(const QString &resourcesFolder)
{
    bool ok = true;
    for (int plan = 0; plan < TrainingType::Count; ++plan)
        ok = ResourceFile::writeImage(ResourcePaths::trainingIcon(plan, resourcesFolder), drawPlan(plan)) && ok;
    return ok;
}

} // namespace TrainingIconWriter
