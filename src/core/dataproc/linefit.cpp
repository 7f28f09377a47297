#include "core/dataproc/linefit.h"

#include <cmath>
#include <cstddef>

#include "core/dataproc/compensatedsum.h"

namespace spectavo::dataproc {
namespace {

template <typename XAt, typename YAt>
std::optional<LineFit> fitLine(std::size_t count, XAt xAt, YAt yAt) {
    if (count == 0)
        return std::nullopt;
    CompensatedSum sumX, sumY;
    for (std::size_t i = 0; i < count; ++i) {
        sumX.add(xAt(i));
        sumY.add(yAt(i));
    }
    const float n = static_cast<float>(count);
    const float meanX = sumX.value() / n;
    const float meanY = sumY.value() / n;

    CompensatedSum sxx, syy, sxy;
    for (std::size_t i = 0; i < count; ++i) {
        const float dx = xAt(i) - meanX;
        const float dy = yAt(i) - meanY;
        sxx.add(dx * dx);
        syy.add(dy * dy);
        sxy.add(dx * dy);
    }
    const float spreadX = sxx.value();
    const float spreadY = syy.value();
    if (!(std::fabs(spreadX) >= kMinimumSpread) || !(std::fabs(spreadY) >= kMinimumSpread))
        return std::nullopt;

    LineFit fit;
    fit.slope = sxy.value() / spreadX;
    fit.intercept = meanY - fit.slope * meanX;
    fit.r = sxy.value() / (std::sqrt(spreadX) * std::sqrt(spreadY));
    if (!std::isfinite(fit.slope) || !std::isfinite(fit.intercept) || !std::isfinite(fit.r))
        return std::nullopt;
    return fit;
}

} // namespace

std::optional<LineFit> fitStraightLine(std::span<const float> x, std::span<const float> y) {
    if (x.size() != y.size())
        return std::nullopt;
    return fitLine(
        x.size(), [x](std::size_t i) { return x[i]; }, [y](std::size_t i) { return y[i]; });
}

std::optional<LineFit> fitStraightLineEvenlySpaced(std::span<const float> y, float step) {
    return fitLine(
        y.size(), [step](std::size_t i) { return static_cast<float>(i) * step; },
        [y](std::size_t i) { return y[i]; });
}

} // namespace spectavo::dataproc
