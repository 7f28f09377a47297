#pragma once

#include <optional>
#include <span>

#include "core/dataproc/linefit.h"

namespace spectavo::dataproc {

// The points of a curve that a rate fit over [begin, end] seconds uses: `count` points from `first`,
// limited to the points the curve has.
struct RateRange {
    std::size_t first = 0;
    std::size_t count = 0;
};

// M = trunc((end - begin + 0.001) / step + 1) points from k0 = trunc((begin + 0.001) / step), in double
// precision, cut to the curve's pointCount points. count is 0 when nothing of the range lies on the
// curve.
RateRange rateRange(std::size_t pointCount, float step, float begin, float end);

// The straight line through the range's points against time (x = i x step from its first point):
// slope in absorbance per second and its correlation. Nothing when the line is not defined (fewer
// than two points, constant absorbance).
std::optional<LineFit> fitReactionRate(std::span<const float> points, float step, float begin, float end);

// The activity shown to the operator: absorbance per minute times the method's factor.
inline float rateResult(float slopePerSecond, float factor) {
    return slopePerSecond * 60.0f * factor;
}

} // namespace spectavo::dataproc
