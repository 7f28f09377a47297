#pragma once

#include <cstdint>
#include <span>

namespace spectavo::dataproc {

// Per-point classification of a spectrum or a time-scan curve.
enum Mark : std::int32_t {
    kNoMark = 0,
    kMinorMaximum = 1,
    kMinorMinimum = -1,
    kSignificantPeak = 100,
    kSignificantValley = -100,
};

struct MarkCounts {
    int peaks = 0;
    int valleys = 0;
    friend bool operator==(const MarkCounts &, const MarkCounts &) = default;
};

// Marks the turning points of y (a plateau marks its last point; the first and last points never
// carry a mark) and promotes a maximum to a significant peak when it stands more than `threshold`
// above its neighbouring minimum (the next one to the right, or failing that the one to the left),
// and a minimum likewise against its neighbouring maximum. marks must have y's size; it is cleared
// first. Returns the numbers of significant peaks and valleys.
MarkCounts computeMarks(std::span<const float> y, float threshold, std::span<std::int32_t> marks);

// Full width at half maximum of every significant peak, in units of `step`, 0 elsewhere: on each side
// the distance to the first point at or below half the peak's own value, or to the next significant
// mark. A width that cannot be determined on either side is 0, never negative.
void computeHalfWidths(std::span<const float> y, std::span<const std::int32_t> marks, float step,
                       std::span<float> halfWidths);

} // namespace spectavo::dataproc
