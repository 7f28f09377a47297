#pragma once

#include <span>

namespace spectavo::dataproc {

// Mean of in[i - before .. i + after], over the points that exist near the ends; sums in float.
// False (out untouched) when the sizes differ or a side is negative.
bool movingAverage(std::span<const float> in, std::span<float> out, int before, int after);

// The spectrum smoothing: a window of r points on each side of the point.
bool movingAverageHalfWidth(std::span<const float> in, std::span<float> out, int halfWidth);

// The time-scan moving window of `width` points: trunc(width / 2) before the point and
// trunc((width + 1) / 2) - 1 after it, so an even width leans to the earlier side.
bool movingWindowAverage(std::span<const float> in, std::span<float> out, int width);

} // namespace spectavo::dataproc
