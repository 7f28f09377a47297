#pragma once

#include <atomic>
#include <span>

namespace spectavo::link {

// A spectrum being scanned. Points arrive from the highest wavelength down: the link writes the
// point at the fill cursor and then moves the cursor down with a release store, so a reader that
// loads the cursor with acquire sees every point above it. The buffer is pinned (its address fixed)
// while the acquisition holds it; releasePin() ends the hold, never frees the points.
class ScanTarget {
public:
    virtual ~ScanTarget() = default;
    virtual std::span<float> scanPoints() = 0;
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
    virtual std::atomic<bool> &acquiringFlag() = 0;
    virtual void releasePin() = 0;
};

} // namespace spectavo::link
