#include "core/scan/columnreduction.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace spectavo::scan {
namespace {

// Far outside any page a point only needs a column that is far away too; the clamp keeps the
// conversion defined.
long columnOf(double x) {
    return std::isfinite(x) ? static_cast<long>(std::floor(std::clamp(x, -1e9, 1e9))) : 0;
}

// Four floats the processor compares at once.
using Lanes = float __attribute__((vector_size(16)));

// The rows one pixel column of the line covers.
struct Column {
    long index;
    float top, bottom;
    PlotPoint last;

    static Column startingAt(const PlotPoint &p) { return Column{columnOf(p.x), p.y, p.y, p}; }

    // The points of a run inside the column: this loop is the whole cost of a long line. Two points
    // fill a four-float vector (x, y, x, y); the minimum and maximum run over all four lanes and only
    // the y lanes are read at the end. Two vectors at a time keep the processor from waiting on each
    // comparison. A y that is not a number never wins a comparison, as with std::min.
    void add(std::span<const PlotPoint> run) {
        static_assert(sizeof(PlotPoint) == 2 * sizeof(float));
        const Lanes startTop = {top, top, top, top};
        const Lanes startBottom = {bottom, bottom, bottom, bottom};
        Lanes tops[2] = {startTop, startTop};
        Lanes bottoms[2] = {startBottom, startBottom};
        std::size_t k = 0;
        for (; k + 4 <= run.size(); k += 4)
            for (std::size_t half = 0; half < 2; ++half) {
                Lanes pair;
                std::memcpy(&pair, &run[k + 2 * half], sizeof pair);
                tops[half] = pair < tops[half] ? pair : tops[half];
                bottoms[half] = pair > bottoms[half] ? pair : bottoms[half];
            }
        const Lanes lowest = tops[1] < tops[0] ? tops[1] : tops[0];
        const Lanes highest = bottoms[1] > bottoms[0] ? bottoms[1] : bottoms[0];
        top = std::min(std::min(lowest[1], lowest[3]), top);
        bottom = std::max(std::max(highest[1], highest[3]), bottom);
        for (; k < run.size(); ++k) {
            top = std::min(top, run[k].y);
            bottom = std::max(bottom, run[k].y);
        }
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

// Whether x never falls along the line, checked without an early exit so the pass vectorises; a
// coordinate that is not a number makes it false.
bool xNeverFalls(std::span<const PlotPoint> points) {
    bool rising = true;
    for (std::size_t i = 1; i < points.size(); ++i)
        rising &= points[i].x >= points[i - 1].x;
    return rising;
}

// Where the run of points from `from` leaves the column that ends at `right`, for a line whose x never
// falls: found by doubling the last run's length and then halving, so the points of a column are read
// once, by the minimum and maximum, instead of once more to find the column's edge.
std::size_t runEndOfRisingLine(std::span<const PlotPoint> points, std::size_t from, float right,
                               std::size_t guess) {
    const std::size_t n = points.size();
    std::size_t low = from;
    std::size_t stride = std::max<std::size_t>(guess, 1);
    std::size_t high = std::min(n, from + stride);
    while (high < n && points[high].x < right) {
        low = high;
        stride *= 2;
        high = std::min(n, from + stride);
    }
    const auto inColumn = [right](const PlotPoint &p) { return p.x < right; };
    return static_cast<std::size_t>(std::partition_point(points.begin() + static_cast<std::ptrdiff_t>(low),
                                                         points.begin() + static_cast<std::ptrdiff_t>(high),
                                                         inColumn) -
                                    points.begin());
}

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
    const bool rising = xNeverFalls(points);
    std::size_t lastRun = 1;
    std::size_t i = 1;
    while (i < n) {
        std::size_t end = i;
        if (rising) {
            end = runEndOfRisingLine(points, i, right, lastRun);
            lastRun = end - i + 1;
        } else {
            while (end < n && points[end].x >= left && points[end].x < right)
                ++end;
        }
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
