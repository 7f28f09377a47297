#pragma once

#include <string>
#include <vector>

namespace spectavo::scan {

// A tick interval and how its labels are printed: `decimals` after the point in a field of at least
// `width` characters. `format()` names it as the chart's settings state it ("%.2f", "%3.0f").
struct TickLadder {
    double interval;
    int decimals;
    int width = 0;
    // "%.f" and "%.0f" print alike; the ladders keep the spelling they were given.
    bool bareZero = false;
    std::string format() const;
    friend bool operator==(const TickLadder &, const TickLadder &) = default;
};

// An interval the operator chose: as many decimals as the interval's first significant digit needs.
TickLadder manualTicks(double interval);
// The automatic ladders, chosen by the span (max - min) of the axis.
TickLadder automaticWavelengthTicks(double span);
TickLadder automaticAbsorbanceTicks(double span);
TickLadder automaticTransmittanceTicks(double span);

// The time-scan chart's ladders: seconds, and values whose finest steps differ from the spectra's.
TickLadder automaticTimeTicks(double span);
TickLadder automaticKineticAbsorbanceTicks(double span);
TickLadder automaticKineticTransmittanceTicks(double span);

// The tick values from the first multiple of the interval at or above `min` (less `tolerance`, which
// keeps a tick that sits on the edge) up to `max`. Never more than kMaxTicks, whatever the range.
inline constexpr std::size_t kMaxTicks = 1000;
inline constexpr std::size_t kMaxTimeTicks = 500;
std::vector<double> tickValues(double min, double max, double interval, double tolerance,
                               std::size_t maxTicks = kMaxTicks);
// The wavelength and the vertical axes use different edge tolerances.
inline constexpr double kWavelengthTickTolerance = 0.01;
inline constexpr double kValueTickTolerance = 0.00001;

// A tick label as the chart prints it.
std::string tickLabel(const TickLadder &ladder, double value);

} // namespace spectavo::scan
