#pragma once

#include <span>

namespace spectavo::dataproc {

inline constexpr int kMaxSavGolDegree = 10;

// Savitzky-Golay weights for a window of nLeft points before and nRight points after the point
// (weights[k + nLeft] multiplies y[i + k]), a polynomial of the given degree and derivative order, for
// unit spacing and without the factor d!. Solved in double precision (an LU decomposition with
// implicit scaling), returned in single precision. False when the window cannot carry the polynomial:
// fewer than degree + 1 points, a negative side, a derivative above the degree.
bool savitzkyGolayWeights(int nLeft, int nRight, int degree, int derivative, std::span<float> weights);

// The factor d! x (1/h)^d that turns the weights into a derivative per unit of x for spacing h.
float savitzkyGolayScale(int derivative, float spacing);

// Filters `in` into `out` (same size) with half-width w: interior points use the symmetric window,
// points within w of an end use the window cut at that end (and at both ends for data shorter than
// 2w + 1). Points whose window cannot carry the polynomial are 0. When the symmetric window itself is
// refused, every point is 0 and false is returned.
bool savitzkyGolayFilter(std::span<const float> in, std::span<float> out, int degree, int derivative,
                         int halfWidth, float spacing);

} // namespace spectavo::dataproc
