#include "core/dataproc/pointcount.h"

#include <cmath>

namespace spectavo::dataproc {
namespace {

template <typename Real>
std::size_t boundedCount(Real count) {
    if (!std::isfinite(count) || count < Real(1) || count >= Real(kMaxPointCount) + Real(1))
        return 0;
    return static_cast<std::size_t>(std::trunc(count));
}

} // namespace

std::size_t spectrumPointCount(float start, float end, float step) {
    if (!(step > 0.0f) || !std::isfinite(step))
        return 0;
    using Extended = long double;
    return boundedCount((Extended(end) - Extended(start) + Extended(0.01L)) / Extended(step) + Extended(1));
}

std::size_t curvePointCount(float totalTime, float step) {
    if (!(step > 0.0f) || !std::isfinite(step))
        return 0;
    return boundedCount((double(totalTime) + 0.001) / double(step) + 1.0);
}

} // namespace spectavo::dataproc
