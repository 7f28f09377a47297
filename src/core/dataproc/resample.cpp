#include "core/dataproc/resample.h"

namespace spectavo::dataproc {

std::vector<float> resampleEvery(std::span<const float> in, int factor, std::size_t newCount) {
    if (factor < 1)
        return {};
    std::vector<float> out(newCount, 0.0f);
    const std::size_t stride = static_cast<std::size_t>(factor);
    for (std::size_t i = 0; i < newCount && i * stride < in.size(); ++i)
        out[i] = in[i * stride];
    return out;
}

} // namespace spectavo::dataproc
