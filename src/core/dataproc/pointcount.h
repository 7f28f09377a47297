#pragma once

#include <cstddef>

namespace spectavo::dataproc {

// No record of this program holds more points: a count above it comes from a damaged file or a
// nonsensical grid, and is refused rather than allocated.
inline constexpr std::size_t kMaxPointCount = 10'000'000;

// Point counts are never stored but computed from the grid, with a small allowance so that a range
// that is a whole number of steps does not lose its last point to rounding. 0 for a grid that holds
// no points or more than kMaxPointCount (a step that is not positive, a value that is not finite).

// Spectra: trunc((end - start + 0.01) / step + 1), in extended precision.
std::size_t spectrumPointCount(float start, float end, float step);

// Time-scan curves: trunc((total + 0.001) / step + 1), in double precision.
std::size_t curvePointCount(float totalTime, float step);

} // namespace spectavo::dataproc
