#include "core/dataproc/difference.h"

#include <cmath>
#include <cstddef>

namespace spectavo::dataproc {

bool repeatedDifference(std::span<float> y, int passes, float divisor) {
    if (divisor == 0.0f || !std::isfinite(divisor))
        return false;
    if (y.size() < 2)
        return true;
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t j = 0; j + 1 < y.size(); ++j)
            y[j] = (y[j + 1] - y[j]) / divisor;
        y[y.size() - 1] = y[y.size() - 2];
    }
    return true;
}

} // namespace spectavo::dataproc
