#pragma once

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/strings/translation.h"

namespace spectavo::link {

// The grid point of a wavelength: the index of start + i x step nearest to it, or -1 when the
// wavelength lies off the grid (beyond its ends, or between points by more than the link's tenth-
// of-a-nanometre resolution allows).
inline int gridIndexOf(double start, double step, std::size_t count, std::uint32_t tenths) {
    if (!(step > 0.0) || count == 0 || !std::isfinite(start))
        return -1;
    const double wavelength = tenths / 10.0;
    const double position = std::round((wavelength - start) / step);
    if (position < 0.0 || position >= static_cast<double>(count))
        return -1;
    const double tolerance = std::min(step * 0.5, std::max(0.051, step * 0.25));
    if (std::fabs(start + position * step - wavelength) > tolerance)
        return -1;
    return static_cast<int>(position);
}

// What the operator is told when a measurement ends with points that never arrived (missing, total).
inline constexpr const char *kPointsMissing =
    SPECTAVO_TEXT("%d of %d points did not arrive; they are shown as 0.");

// A spectrum being scanned. Points arrive from the highest wavelength down, each with its
// wavelength: the link stores a point at the grid index of its wavelength, and moves the fill cursor
// below it with a release store, so a reader that loads the cursor with acquire sees every point
// above it. A point arriving again replaces its own value. The buffer is pinned (its address fixed)
// while the acquisition holds it; releasePin() ends the hold, never frees the points.
class ScanTarget {
public:
    virtual ~ScanTarget() = default;
    virtual std::span<float> scanPoints() = 0;
    // The index of the grid point at a wavelength in tenths of a nanometre; -1 off the grid.
    virtual int gridIndex(std::uint32_t tenths) const = 0;
    // The distinct grid points stored so far.
    virtual std::atomic<int> &arrivedCount() = 0;
    virtual std::atomic<int> &fillCursor() = 0;
    virtual std::atomic<bool> &acquiringFlag() = 0;
    virtual void releasePin() = 0;
};

// A time-scan curve being sampled: the link writes point n and then publishes n + 1 as the point
// count (release). Point i belongs to time i x step.
class TimedTarget {
public:
    virtual ~TimedTarget() = default;
    virtual std::span<float> timedPoints() = 0;
    virtual std::atomic<int> &pointCount() = 0;
    virtual int totalTimeSeconds() const = 0;
    virtual float stepSeconds() const = 0;
    // The wavelength the curve is measured at: readings taken elsewhere are no points of it.
    virtual float wavelengthNm() const = 0;
    virtual std::atomic<bool> &acquiringFlag() = 0;
    virtual void releasePin() = 0;
};

} // namespace spectavo::link
