#include "core/dataproc/marks.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace spectavo::dataproc {
namespace {

int directionBetween(float before, float after, int previous) {
    if (before < after)
        return 1;
    if (before > after)
        return -1;
    return previous;
}

void markTurningPoints(std::span<const float> y, std::span<std::int32_t> marks) {
    std::size_t first = 1;
    while (first < y.size() && y[first] == y[first - 1])
        ++first;
    if (first >= y.size())
        return; // all points equal: no turning points
    int direction = y[first] > y[first - 1] ? 1 : -1;
    for (std::size_t i = first; i < y.size(); ++i) {
        const int next = directionBetween(y[i - 1], y[i], direction);
        if (next != direction)
            marks[i - 1] = direction;
        direction = next;
    }
}

// Turning points alternate, so these searches stop at the next turning point and the whole pass
// stays linear in the point count.
template <typename Matches>
std::optional<std::size_t> nearestRight(std::span<const std::int32_t> marks, std::size_t j, Matches matches) {
    for (std::size_t k = j + 1; k < marks.size(); ++k)
        if (matches(marks[k]))
            return k;
    return std::nullopt;
}

template <typename Matches>
std::optional<std::size_t> nearestLeft(std::span<const std::int32_t> marks, std::size_t j, Matches matches) {
    for (std::size_t k = j; k-- > 0;)
        if (matches(marks[k]))
            return k;
    return std::nullopt;
}

template <typename Matches>
std::optional<std::size_t> neighbour(std::span<const std::int32_t> marks, std::size_t j, Matches matches) {
    if (auto right = nearestRight(marks, j, matches))
        return right;
    return nearestLeft(marks, j, matches);
}

// The number of points from the peak to the first one at half height or at a significant mark;
// 0 when the data ends first.
std::size_t halfHeightDistance(std::span<const float> y, std::span<const std::int32_t> marks, std::size_t j,
                               int side) {
    const float half = y[j] / 2.0f;
    for (std::size_t k = 1;; ++k) {
        if (side < 0 ? k > j : j + k >= y.size())
            return 0;
        const std::size_t at = side < 0 ? j - k : j + k;
        if (y[at] <= half || marks[at] == kSignificantPeak || marks[at] == kSignificantValley)
            return k;
    }
}

} // namespace

MarkCounts computeMarks(std::span<const float> y, float threshold, std::span<std::int32_t> marks) {
    MarkCounts counts;
    if (marks.size() != y.size())
        return counts;
    std::fill(marks.begin(), marks.end(), kNoMark);
    markTurningPoints(y, marks);

    const std::span<const std::int32_t> view(marks);
    auto isMinimum = [](std::int32_t m) { return m == kMinorMinimum; };
    auto isMaximum = [](std::int32_t m) { return m > 0; };
    for (std::size_t j = 0; j < y.size(); ++j) {
        if (marks[j] != kMinorMaximum)
            continue;
        const auto valley = neighbour(view, j, isMinimum);
        if (valley && threshold < y[j] - y[*valley]) {
            marks[j] = kSignificantPeak;
            ++counts.peaks;
        }
    }
    for (std::size_t j = 0; j < y.size(); ++j) {
        if (marks[j] != kMinorMinimum)
            continue;
        const auto peak = neighbour(view, j, isMaximum);
        if (peak && threshold < y[*peak] - y[j]) {
            marks[j] = kSignificantValley;
            ++counts.valleys;
        }
    }
    return counts;
}

void computeHalfWidths(std::span<const float> y, std::span<const std::int32_t> marks, float step,
                       std::span<float> halfWidths) {
    if (marks.size() != y.size() || halfWidths.size() != y.size())
        return;
    std::fill(halfWidths.begin(), halfWidths.end(), 0.0f);
    for (std::size_t j = 0; j < y.size(); ++j) {
        if (marks[j] != kSignificantPeak)
            continue;
        const std::size_t right = halfHeightDistance(y, marks, j, +1);
        const std::size_t left = halfHeightDistance(y, marks, j, -1);
        // Neither side reached: the width is not determined, and must not come out as -1 step.
        if (right + left >= 1)
            halfWidths[j] = static_cast<float>(right + left - 1) * step;
    }
}

} // namespace spectavo::dataproc
