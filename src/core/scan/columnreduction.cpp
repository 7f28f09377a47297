#include "core/scan/columnreduction.h"

#include <algorithm>
#include <cmath>

namespace spectavo::scan {
namespace {

// Far outside any page a point only needs a column that is far away too; the clamp keeps the
// conversion defined.
long columnOf(double x) {
    return std::isfinite(x) ? static_cast<long>(std::floor(std::clamp(x, -1e9, 1e9))) : 0;
}

// The rows one pixel column of the line covers.
struct Column {
    long index;
    float top, bottom;
    PlotPoint last;

    static Column startingAt(const PlotPoint &p) { return Column{columnOf(p.x), p.y, p.y, p}; }

    // The points of a run inside the column. Four independent minima and maxima keep the processor
    // from waiting on each comparison: this loop is the whole cost of a long line.
    void add(std::span<const PlotPoint> run) {
        float tops[4] = {top, top, top, top};
        float bottoms[4] = {bottom, bottom, bottom, bottom};
        std::size_t k = 0;
        for (; k + 4 <= run.size(); k += 4)
            for (std::size_t lane = 0; lane < 4; ++lane) {
                tops[lane] = std::min(tops[lane], run[k + lane].y);
                bottoms[lane] = std::max(bottoms[lane], run[k + lane].y);
            }
        for (; k < run.size(); ++k) {
            tops[0] = std::min(tops[0], run[k].y);
            bottoms[0] = std::max(bottoms[0], run[k].y);
        }
        top = std::min(std::min(tops[0], tops[1]), std::min(tops[2], tops[3]));
        bottom = std::max(std::max(bottoms[0], bottoms[1]), std::max(bottoms[2], bottoms[3]));
        last = run.back();
    }

    // The stroke stands left of the column's middle, so neither truncation nor rounding moves it into
    // the next column. It reaches the height where the line enters the next column: the step between
    // two columns lies on the verticals of both.
    void appendTo(std::vector<Stroke> &out, const PlotPoint *next) const {
        const double x = static_cast<double>(index) + 0.25;
        const bool adjacent = next && columnOf(next->x) == index + 1;
        const float upper = adjacent ? std::min(top, next->y) : top;
        const float lower = adjacent ? std::max(bottom, next->y) : bottom;
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
    float left = static_cast<float>(column.index);
    float right = left + 1.0f;
    const std::size_t n = points.size();
    std::size_t i = 1;
    while (i < n) {
        std::size_t end = i;
        while (end < n && points[end].x >= left && points[end].x < right)
            ++end;
        if (end > i)
            column.add(points.subspan(i, end - i));
        if (end == n)
            break;
        column.appendTo(out, &points[end]);
        column = Column::startingAt(points[end]);
        left = static_cast<float>(column.index);
        right = left + 1.0f;
        i = end + 1;
    }
    column.appendTo(out, nullptr);
    return out;
}

} // namespace spectavo::scan
