#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace spectavo::scan {

// A point of a polyline in device pixels.
struct PlotPoint {
    double x;
    double y;
    friend bool operator==(const PlotPoint &, const PlotPoint &) = default;
};

// Reduces a polyline whose x grows to at most four points per pixel column: the first, the lowest,
// the highest and the last point of each column, in drawing order. Drawn as a polyline, the reduced
// points cover exactly the rows the full line covers in each column, and joining columns keeps the
// segments between them. A line with no more points than twice its column count is returned whole.
// One O(N) pass; the result has O(width) points.
std::vector<PlotPoint> reduceToPixelColumns(std::span<const PlotPoint> points);

} // namespace spectavo::scan
