#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace spectavo::scan {

// A point of a polyline in device pixels. Single precision keeps a tenth of a thousandth of a pixel
// across any screen or page and halves the memory a long curve's reduction streams through.
struct PlotPoint {
    float x = 0.0f;
    float y = 0.0f;

    constexpr PlotPoint() = default;
    constexpr PlotPoint(double px, double py) : x(static_cast<float>(px)), y(static_cast<float>(py)) {}
    friend bool operator==(const PlotPoint &, const PlotPoint &) = default;
};

// A straight stroke of a reduced line.
struct Stroke {
    PlotPoint from;
    PlotPoint to;
    friend bool operator==(const Stroke &, const Stroke &) = default;
};

// Whether a polyline has enough points per pixel column for the reduction to pay: more than twice
// its column count. Shorter lines are drawn whole.
bool worthReducing(std::span<const PlotPoint> points);

// Reduces a polyline whose x grows to one vertical stroke per pixel column: from the column's
// lowest to its highest row, including the height where the line enters the next column. A line
// through the column's points lights exactly those rows there, so the strokes light what the full
// line lights. Where the line jumps over empty columns, the jump is kept as a stroke of its own. One
// O(N) pass; the result has O(width) strokes.
std::vector<Stroke> reduceToColumnStrokes(std::span<const PlotPoint> points);

} // namespace spectavo::scan
