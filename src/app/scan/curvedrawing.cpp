#include "app/scan/curvedrawing.h"

#include <QPainter>
#include <QPolygonF>

namespace spectavo::app {
namespace {

QPolygonF polygonOf(std::span<const scan::PlotPoint> points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const scan::PlotPoint &p : points)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

} // namespace

void drawCurve(QPainter &painter, std::span<const scan::PlotPoint> points) {
    const std::vector<scan::PlotPoint> reduced = scan::reduceToPixelColumns(points);
    painter.drawPolyline(polygonOf(reduced));
}

void drawCurveUnreduced(QPainter &painter, std::span<const scan::PlotPoint> points) {
    painter.drawPolyline(polygonOf(points));
}

} // namespace spectavo::app
