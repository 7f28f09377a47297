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

// Reduces a polyline whose x grows to at most four points per pixel column, drawn as vertical strokes
// inside the column: its first point, its lowest and highest points, and the height where the line
// enters the next column. Drawn as a polyline, the reduced points light the same rows in each column
// as the full line. A line with no more points than twice its column count is returned whole. One
// O(N) pass; the result has O(width) points.
std::vector<PlotPoint> reduceToPixelColumns(std::span<const PlotPoint> points);

} // namespace spectavo::scan
