#include "ArtShapes.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace ArtShapes {

QPainterPath polygon(const QVector<QPointF> &points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath star(const QPointF &centre, int points, qreal outerRadius, qreal innerRadius)
{
    QVector<QPointF> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = i % 2 == 0 ? outerRadius : innerRadius;
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        corners.append(QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle)));
    }
    return polygon(corners);
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath ellipse(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addEllipse(QRectF(x, y, w, h));
    return path;
}

QPainterPath stroked(const QPainterPath &path, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(path);
}

QPainterPath textPath(const QString &text, const QFont &font, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.width() > box.width())
        path = QTransform::fromScale(box.width() / bounds.width(), box.width() / bounds.width()).map(path);
    return path.translated(box.center() - path.boundingRect().center());
}

} // namespace ArtShapes
