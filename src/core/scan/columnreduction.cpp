#include "core/scan/columnreduction.h"

#include <algorithm>
#include <cmath>

namespace spectavo::scan {
namespace {

// The extremes of one pixel column, kept in the order they were met.
struct Column {
    long index;
    PlotPoint first, low, high, last;
    std::size_t lowAt, highAt;

    void appendTo(std::vector<PlotPoint> &out) const {
        out.push_back(first);
        // The extremes in the order they came, so the line does not fold back on itself.
        if (lowAt <= highAt) {
            out.push_back(low);
            out.push_back(high);
        } else {
            out.push_back(high);
            out.push_back(low);
        }
        out.push_back(last);
    }
};

long columnOf(double x) {
    return std::isfinite(x) ? static_cast<long>(std::floor(x)) : 0;
}

} // namespace

std::vector<PlotPoint> reduceToPixelColumns(std::span<const PlotPoint> points) {
    if (points.empty())
        return {};
    const long firstColumn = columnOf(points.front().x);
    const long lastColumn = columnOf(points.back().x);
    const double columns = std::abs(static_cast<double>(lastColumn) - static_cast<double>(firstColumn)) + 1;
    if (static_cast<double>(points.size()) <= 2.0 * columns)
        return {points.begin(), points.end()};

    std::vector<PlotPoint> out;
    out.reserve(static_cast<std::size_t>(std::min(columns * 4, static_cast<double>(points.size()))));
    Column column{columnOf(points[0].x), points[0], points[0], points[0], points[0], 0, 0};
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PlotPoint &p = points[i];
        const long index = columnOf(p.x);
        if (index != column.index) {
            column.appendTo(out);
            column = Column{index, p, p, p, p, i, i};
            continue;
        }
        if (p.y < column.low.y) {
            column.low = p;
            column.lowAt = i;
        }
        if (p.y > column.high.y) {
            column.high = p;
            column.highAt = i;
        }
        column.last = p;
    }
    column.appendTo(out);
    return out;
}

} // namespace spectavo::scan
