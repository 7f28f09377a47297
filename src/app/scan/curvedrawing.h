#pragma once

#include <span>

#include "core/scan/columnreduction.h"

class QPainter;

namespace spectavo::app {

// Draws a curve with the painter's pen. A curve with more points than twice the pixel columns it
// spans is first reduced to each column's first, lowest, highest and last point, so drawing costs
// O(width) whatever the number of points, and the same pixels light up.
void drawCurve(QPainter &painter, std::span<const scan::PlotPoint> points);

// Every point, as drawn without the reduction: the reference the reduction is measured against.
void drawCurveUnreduced(QPainter &painter, std::span<const scan::PlotPoint> points);

} // namespace spectavo::app
