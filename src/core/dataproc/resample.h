#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace spectavo::dataproc {

// Keeps one point in every `factor`: out[i] = in[factor x i] for i = 0 .. newCount-1, for every such
// point that exists (the rest stay 0). newCount comes from the record's grid with its new step.
// Empty when factor is below 1.
std::vector<float> resampleEvery(std::span<const float> in, int factor, std::size_t newCount);

} // namespace spectavo::dataproc
