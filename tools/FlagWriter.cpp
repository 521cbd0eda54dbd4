#include "FlagWriter.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include <functional>

#include "ArtShapes.h"
#include "ResourceFile.h"
#include "data/FlagTable.h"
#include "data/NationTable.h"
#include "world/ResourcePaths.h"

namespace FlagWriter {

namespace {

const QColor flagRed(0xCE, 0x11, 0x26);

// The opaque part of a package flag: the package pads its flags with
// transparent space and a soft shadow.
QRect opaqueBounds(const QImage &image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 200)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The largest 8:5 rectangle centred in `bounds`.
QRect centredEightByFive(const QRect &bounds)
{
    const QSize target = flagSize();
    QSize size = bounds.size();
    if (size.width() * target.height() > size.height() * target.width())
        size.setWidth(size.height() * target.width() / target.height());
    else
        size.setHeight(size.width() * target.height() / target.width());
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(bounds.center());
    return rect;
}

QImage fromPackage(const QString &file)
{
    const QImage source = QImage(file).convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return QImage();
    const QRect bounds = opaqueBounds(source);
    if (bounds.isEmpty())
        return QImage();
    return source.copy(centredEightByFive(bounds))
        .scaled(flagSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A drawn flag: the field clipped to the rounded shape of the package's
// flags, with a thin edge so that a white flag still shows its shape.
QImage drawnFlag(const std::function<void(QPainter &, const QRectF &)> &paintField)
{
    QImage image(flagSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF field(1, 1, image.width() - 2, image.height() - 2);
    QPainterPath shape;
    shape.addRoundedRect(field, 8, 8);
    painter.setClipPath(shape);
    paintField(painter, field);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void paintCross(QPainter &painter, const QRectF &field)
{
    const qreal bar = field.height() / 5;
    painter.fillRect(field, Qt::white);
    painter.fillRect(QRectF(field.left(), field.center().y() - bar / 2, field.width(), bar), flagRed);
    painter.fillRect(QRectF(field.center().x() - bar / 2, field.top(), bar, field.height()), flagRed);
}

QImage englandFlag()
{
    return drawnFlag(paintCross);
}

// The Ulster Banner: the red cross with a white six-pointed star bearing a
// red hand, here as a red disc.
QImage northernIrelandFlag()
{
    return drawnFlag([](QPainter &painter, const QRectF &field) {
        paintCross(painter, field);
        const QPointF centre = field.center();
        const qreal outer = field.height() * 0.24;
        const QPainterPath star = ArtShapes::star(centre, 6, outer, outer * 0.58);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(star);
        painter.setBrush(flagRed);
        painter.drawEllipse(centre, outer * 0.32, outer * 0.32);
    });
}

// A neutral flag: the blank flag, and the stand-in for every flag when the
// package is not installed.
QImage neutralFlag()
{
    return drawnFlag([](QPainter &painter, const QRectF &field) {
        painter.fillRect(field, QColor(0xD8, 0xD4, 0xCC));
        painter.fillRect(QRectF(field.left(), field.center().y() - field.height() / 10,
                                field.width(), field.height() / 5),
                         QColor(0xBC, 0xB6, 0xAC));
    });
}

} // namespace

QString defaultPackageFolder()
{
    return QStringLiteral("/usr/share/iso-flags-png-320x240");
}

QSize flagSize()
{
    return QSize(240, 150);
}

QImage flagFor(const QString &nation, const QString &packageFolder)
{
    if (nation == QLatin1String("England"))
        return englandFlag();
    if (nation == QLatin1String("Northern Ireland"))
        return northernIrelandFlag();
    const QString code = FlagTable::packageFlag(nation);
    const QImage flag = code.isEmpty() ? QImage() : fromPackage(QDir(packageFolder).filePath(code + QStringLiteral(".png")));
    return flag.isNull() ? neutralFlag() : flag;
}

bool writeFlags(const QString &resourcesFolder, const QString &packageFolder)
{
    bool ok = ResourceFile::writeImage(ResourcePaths::flag(QStringLiteral("blank"), resourcesFolder), neutralFlag());
    for (int region = 0; region < NationTable::regionNames().size(); ++region) {
        for (const QString &nation : NationTable::nationsOf(region)) {
            const QImage flag = flagFor(nation, packageFolder);
            ok = ResourceFile::writeImage(ResourcePaths::flag(nation, resourcesFolder), flag) && ok;
        }
    }
    return ok;
}

bool writeAll(const QString &resourcesFolder)
{
    return writeFlags(resourcesFolder, defaultPackageFolder());
}

} // namespace FlagWriter
