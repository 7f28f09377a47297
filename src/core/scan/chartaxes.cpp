#include "core/scan/chartaxes.h"

#include <cmath>

#include "core/strings/cformat.h"

namespace spectavo::scan {

TickLadder manualTicks(double interval) {
    if (!(interval > 0.0) || !std::isfinite(interval))
        return {interval, 0, 0, true};
    const int digits = static_cast<int>(std::floor(std::log10(interval) + 0.00001));
    if (digits >= 0)
        return {interval, 0, 0, true};
    return {interval, -digits};
}

TickLadder automaticWavelengthTicks(double span) {
    if (span > 200)
        return {100, 0, 0, true};
    if (span > 100)
        return {50, 0, 0, true};
    if (span > 20)
        return {10, 0, 0, true};
    if (span > 10)
        return {5, 0, 0, true};
    return {1, 0, 0, true};
}

TickLadder automaticAbsorbanceTicks(double span) {
    if (span > 2)
        return {1, 0};
    if (span > 1)
        return {0.5, 1};
    if (span > 0.2)
        return {0.1, 1};
    if (span > 0.1)
        return {0.05, 2};
    if (span > 0.02)
        return {0.01, 2};
    if (span > 0.01)
        return {0.005, 3};
    if (span > 0.002)
        return {0.001, 3};
    // Narrower spans are reachable only by typing a range: the ladder goes on in the same rhythm.
    if (span > 0.001)
        return {0.0005, 4};
    return {0.0001, 4};
}

TickLadder automaticTransmittanceTicks(double span) {
    if (span > 50)
        return {20, 0, 3};
    if (span > 20)
        return {10, 0, 3};
    if (span > 10)
        return {5, 0, 3};
    if (span > 2)
        return {1, 0, 3};
    if (span > 1)
        return {0.5, 1};
    if (span > 0.2)
        return {0.1, 2};
    if (span > 0.1)
        return {0.05, 2};
    return {0.01, 2};
}

TickLadder automaticTimeTicks(double span) {
    if (span > 2000)
        return {1000, 0};
    if (span > 1000)
        return {500, 0};
    if (span > 200)
        return {100, 0};
    if (span > 100)
        return {50, 0};
    if (span > 20)
        return {10, 0};
    if (span > 10)
        return {5, 0};
    return {1, 0};
}

TickLadder automaticKineticAbsorbanceTicks(double span) {
    return span > 0.002 ? automaticAbsorbanceTicks(span) : TickLadder{0.001, 3};
}

TickLadder automaticKineticTransmittanceTicks(double span) {
    if (span > 2)
        return automaticTransmittanceTicks(span);
    return {0.1, 1, 3};
}

std::vector<double> tickValues(double min, double max, double interval, double tolerance,
                               std::size_t maxTicks) {
    std::vector<double> ticks;
    if (!(interval > 0.0) || !std::isfinite(min) || !std::isfinite(max) || !std::isfinite(interval))
        return ticks;
    const double first = std::floor((min + interval - tolerance) / interval) * interval;
    // Each tick is computed from the first, not accumulated, and a tick that misses the top edge
    // by rounding alone still counts.
    const double slack = interval * 1e-6;
    for (std::size_t k = 0; k < maxTicks; ++k) {
        const double tick = first + static_cast<double>(k) * interval;
        if (tick > max + slack)
            break;
        ticks.push_back(std::abs(tick) < slack ? 0.0 : tick);
    }
    return ticks;
}

std::string TickLadder::format() const {
    if (bareZero && decimals == 0 && width == 0)
        return "%.f";
    return width > 0 ? strings::formatC("%%%d.%df", width, decimals) : strings::formatC("%%.%df", decimals);
}

std::string tickLabel(const TickLadder &ladder, double value) {
    return strings::formatC("%*.*f", ladder.width, ladder.decimals, value);
}

} // namespace spectavo::scan
