#include "ArtShapes.h"

#include <QPolygonF>

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

} // namespace ArtShapes
