#include "core/dataproc/reactionrate.h"

#include <algorithm>
#include <cmath>

namespace spectavo::dataproc {

RateRange rateRange(std::size_t pointCount, float step, float begin, float end) {
    RateRange range;
    if (!(step > 0.0f) || !std::isfinite(begin) || !std::isfinite(end))
        return range;
    const double count = std::trunc((double(end) - double(begin) + 0.001) / double(step) + 1.0);
    const double first = std::max(0.0, std::trunc((double(begin) + 0.001) / double(step)));
    if (count < 1.0 || first >= double(pointCount))
        return range;
    range.first = static_cast<std::size_t>(first);
    range.count = static_cast<std::size_t>(std::min(count, double(pointCount - range.first)));
    return range;
}

std::optional<LineFit> fitReactionRate(std::span<const float> points, float step, float begin, float end) {
    const RateRange range = rateRange(points.size(), step, begin, end);
    if (range.count < 2)
        return std::nullopt;
    return fitStraightLineEvenlySpaced(points.subspan(range.first, range.count), step);
}

} // namespace spectavo::dataproc
