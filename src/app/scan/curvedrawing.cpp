#include "app/scan/curvedrawing.h"

#include <QLineF>
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
    if (!scan::worthReducing(points)) {
        drawCurveUnreduced(painter, points);
        return;
    }
    const std::vector<scan::Stroke> strokes = scan::reduceToColumnStrokes(points);
    QList<QLineF> lines;
    lines.reserve(static_cast<qsizetype>(strokes.size()));
    for (const scan::Stroke &stroke : strokes)
        lines.append(QLineF(stroke.from.x, stroke.from.y, stroke.to.x, stroke.to.y));
    painter.drawLines(lines);
}

void drawCurveUnreduced(QPainter &painter, std::span<const scan::PlotPoint> points) {
    painter.drawPolyline(polygonOf(points));
}

} // namespace spectavo::app
