#pragma once

#include <optional>
#include <span>

namespace spectavo::dataproc {

struct LineFit {
    float slope = 0.0f;
    float intercept = 0.0f;
    float r = 0.0f; // correlation coefficient, negative for a falling line
};

// Below this, the spread of x or y is taken as none and no line is defined.
inline constexpr float kMinimumSpread = 1e-10f;

// Least-squares straight line y = intercept + slope x with its correlation coefficient, in single
// precision with the sums taken about the means. Nothing when |Sxx| or |Syy| is below kMinimumSpread
// (fewer than two distinct x, constant y) or when x and y differ in length.
std::optional<LineFit> fitStraightLine(std::span<const float> x, std::span<const float> y);

// The same fit for points y[i] at x = i x step.
std::optional<LineFit> fitStraightLineEvenlySpaced(std::span<const float> y, float step);

} // namespace spectavo::dataproc
