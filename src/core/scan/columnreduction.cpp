#include "core/scan/columnreduction.h"

#include <algorithm>
#include <cmath>

namespace spectavo::scan {
namespace {

long columnOf(double x) {
    return std::isfinite(x) ? static_cast<long>(std::floor(x)) : 0;
}

// The extremes of one pixel column, kept in the order they were met.
struct Column {
    long index;
    PlotPoint first, low, high, last;
    std::size_t lowAt, highAt;

    static Column startingAt(const PlotPoint &p, std::size_t at) {
        return Column{columnOf(p.x), p, p, p, p, at, at};
    }

    void add(const PlotPoint &p, std::size_t at) {
        if (p.y < low.y) {
            low = p;
            lowAt = at;
        }
        if (p.y > high.y) {
            high = p;
            highAt = at;
        }
        last = p;
    }

    // The column as vertical strokes inside it: first, the extremes in the order they came (so the
    // line does not fold back on itself), last, and on to the height where the line enters the next
    // column. A connected path on one vertical covers exactly the rows between its extremes, which
    // are the rows the full line crosses in this column, whatever rule the rasteriser applies to
    // steep segments near a column's edge. The strokes stand left of the column's middle, so neither
    // truncation nor rounding moves them into the next column.
    void appendTo(std::vector<PlotPoint> &out, const PlotPoint *next) const {
        const double x = static_cast<double>(index) + 0.25;
        const bool lowFirst = lowAt <= highAt;
        for (double y : {first.y, lowFirst ? low.y : high.y, lowFirst ? high.y : low.y})
            appendDistinct(out, {x, y});
        // The last point lies between the extremes, so the stroke need not visit it; it ends where
        // the line enters the next column, from where a level stroke leads there.
        const bool adjacent = next && columnOf(next->x) == index + 1;
        appendDistinct(out, {x, adjacent ? next->y : last.y});
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
    Column column = Column::startingAt(points[0], 0);
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (columnOf(points[i].x) == column.index) {
            column.add(points[i], i);
            continue;
        }
        column.appendTo(out, &points[i]);
        column = Column::startingAt(points[i], i);
    }
    column.appendTo(out, nullptr);
    return out;
}

} // namespace spectavo::scan
