#pragma once

#include <cstddef>
#include <span>

namespace spectavo::dataproc {

inline constexpr std::size_t kMaxPolynomialCoefficients = 11;

// Inverts a symmetric positive definite matrix (p x p, row-major) in place by the Bauer-Reinsch
// cyclic elimination on its lower triangle. False, with the matrix in an undefined state, when a
// pivot is not positive or not finite: the matrix is not positive definite or its entries overflow.
bool invertSymmetricPositiveDefinite(std::span<float> matrix, std::size_t p);

// Least-squares polynomial y = c0 + c1 x + ... through the normal equations, in single precision;
// the number of coefficients is coefficients.size() (1 to kMaxPolynomialCoefficients). The powers are
// taken about the mean of x, which keeps the normal equations as well conditioned as the data allow,
// and the result is expanded back to powers of x. False, leaving coefficients untouched, when the fit
// is not determined (fewer distinct x than coefficients, a non-positive or non-finite pivot, sums that
// overflow single precision, a non-finite coefficient).
bool fitPolynomial(std::span<const float> x, std::span<const float> y, std::span<float> coefficients);

// c0 + c1 x + c2 x^2 + ... by Horner's rule, from the highest coefficient down.
float evaluatePolynomial(std::span<const float> coefficients, float x);

} // namespace spectavo::dataproc
