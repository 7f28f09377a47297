#pragma once

#include <span>

namespace spectavo::dataproc {

// `passes` forward differences in place: each pass sets y[j] = (y[j+1] - y[j]) / divisor for
// j = 0 .. N-2 and then repeats the last difference into y[N-1]. A spectrum's derivative divides by
// its step; the time-scan difference is per point (divisor 1). Fewer than one pass changes nothing.
// False when the divisor is zero or not finite.
bool repeatedDifference(std::span<float> y, int passes, float divisor);

} // namespace spectavo::dataproc
