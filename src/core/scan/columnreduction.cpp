#include "core/scan/columnreduction.h"

#include <algorithm>
#include <cmath>

namespace spectavo::scan {
namespace {

long columnOf(double x) {
    return std::isfinite(x) ? static_cast<long>(std::floor(x)) : 0;
}

// The extremes of one pixel column.
struct Column {
    long index;
    PlotPoint first, low, high, last;

    static Column startingAt(const PlotPoint &p) { return Column{columnOf(p.x), p, p, p, p}; }

    void add(const PlotPoint &p) {
        if (p.y < low.y)
            low = p;
        if (p.y > high.y)
            high = p;
        last = p;
    }

    // The column as vertical strokes inside it: from its first point over both extremes to the height
    // where the line enters the next column. A connected path on one vertical covers exactly the rows
    // between its extremes, which are the rows the full line crosses in this column, whatever rule the
    // rasteriser applies to steep segments near a column's edge. The strokes stand left of the
    // column's middle, so neither truncation nor rounding moves them into the next column.
    void appendTo(std::vector<PlotPoint> &out, const PlotPoint *next) const {
        const double x = static_cast<double>(index) + 0.25;
        // The stroke ends where the line enters the next column, from where a level stroke leads
        // there; the last point lies between the extremes and need not be visited.
        const bool adjacent = next && columnOf(next->x) == index + 1;
        const double exit = adjacent ? next->y : last.y;
        // On one vertical the order of the extremes changes no pixel's colour, only how many pixels
        // are drawn twice: take the shorter way.
        const double lowFirst = std::abs(first.y - low.y) + std::abs(high.y - exit);
        const double highFirst = std::abs(first.y - high.y) + std::abs(low.y - exit);
        const bool downFirst = lowFirst <= highFirst;
        for (double y : {first.y, downFirst ? low.y : high.y, downFirst ? high.y : low.y, exit})
            appendDistinct(out, {x, y});
    }

    static void appendDistinct(std::vector<PlotPoint> &out, const PlotPoint &p) {
        if (out.empty() || !(out.back() == p))
            out.push_back(p);
    }
};

} // namespace

std::vector<PlotPoint> reduceToPixelColumns(std::span<const PlotPoint> points) {
    if (points.empty())
        return {};
    const double firstColumn = static_cast<double>(columnOf(points.front().x));
    const double columns = std::abs(static_cast<double>(columnOf(points.back().x)) - firstColumn) + 1;
    if (static_cast<double>(points.size()) <= 2.0 * columns)
        return {points.begin(), points.end()};

    std::vector<PlotPoint> out;
    out.reserve(static_cast<std::size_t>(std::min(columns * 5, static_cast<double>(points.size()))));
    Column column = Column::startingAt(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (columnOf(points[i].x) == column.index) {
            column.add(points[i]);
            continue;
        }
        column.appendTo(out, &points[i]);
        column = Column::startingAt(points[i]);
    }
    column.appendTo(out, nullptr);
    return out;
}

} // namespace spectavo::scan
