#include "core/scan/columnreduction.h"

#include <algorithm>
#include <cmath>

namespace spectavo::scan {
namespace {

long columnOf(double x) {
    return std::isfinite(x) ? static_cast<long>(std::floor(x)) : 0;
}

// The rows one pixel column of the line covers.
struct Column {
    long index;
    double top, bottom;
    PlotPoint last;

    static Column startingAt(const PlotPoint &p) { return Column{columnOf(p.x), p.y, p.y, p}; }

    void add(const PlotPoint &p) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
        last = p;
    }

    // The stroke stands left of the column's middle, so neither truncation nor rounding moves it into
    // the next column. It reaches the height where the line enters the next column: the step between
    // two columns lies on the verticals of both.
    void appendTo(std::vector<Stroke> &out, const PlotPoint *next) const {
        const double x = static_cast<double>(index) + 0.25;
        const bool adjacent = next && columnOf(next->x) == index + 1;
        const double upper = adjacent ? std::min(top, next->y) : top;
        const double lower = adjacent ? std::max(bottom, next->y) : bottom;
        out.push_back({{x, upper}, {x, lower}});
        if (next && !adjacent)
            out.push_back({last, *next});
    }
};

} // namespace

bool worthReducing(std::span<const PlotPoint> points) {
    if (points.empty())
        return false;
    const double columns = std::abs(static_cast<double>(columnOf(points.back().x)) -
                                    static_cast<double>(columnOf(points.front().x))) +
                           1;
    return static_cast<double>(points.size()) > 2.0 * columns;
}

std::vector<Stroke> reduceToColumnStrokes(std::span<const PlotPoint> points) {
    std::vector<Stroke> out;
    if (points.empty())
        return out;
    out.reserve(static_cast<std::size_t>(std::abs(points.back().x - points.front().x)) + 2);
    Column column = Column::startingAt(points[0]);
    // Compared with the column's edges rather than floored: this loop is the whole cost for long lines.
    double left = static_cast<double>(column.index);
    double right = left + 1.0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PlotPoint &p = points[i];
        if (p.x >= left && p.x < right) {
            column.add(p);
            continue;
        }
        column.appendTo(out, &p);
        column = Column::startingAt(p);
        left = static_cast<double>(column.index);
        right = left + 1.0;
    }
    column.appendTo(out, nullptr);
    return out;
}

} // namespace spectavo::scan
