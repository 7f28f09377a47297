#include "core/dataproc/smoothing.h"

#include <algorithm>
#include <cstddef>

namespace spectavo::dataproc {

bool movingAverage(std::span<const float> in, std::span<float> out, int before, int after) {
    if (in.size() != out.size() || before < 0 || after < 0)
        return false;
    const std::size_t count = in.size();
    const std::size_t left = static_cast<std::size_t>(before);
    const std::size_t right = static_cast<std::size_t>(after);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t first = i >= left ? i - left : 0;
        const std::size_t last = std::min(count - 1, i + right);
        float sum = 0.0f;
        for (std::size_t j = first; j <= last; ++j)
            sum += in[j];
        out[i] = sum / static_cast<float>(last - first + 1);
    }
    return true;
}

bool movingAverageHalfWidth(std::span<const float> in, std::span<float> out, int halfWidth) {
    return movingAverage(in, out, halfWidth, halfWidth);
}

bool movingWindowAverage(std::span<const float> in, std::span<float> out, int width) {
    if (width < 1)
        return false;
    return movingAverage(in, out, width / 2, (width + 1) / 2 - 1);
}

} // namespace spectavo::dataproc
