#include "core/dataproc/polyfit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/dataproc/compensatedsum.h"

namespace spectavo::dataproc {
namespace {

constexpr std::size_t kMax = kMaxPolynomialCoefficients;

bool hasAtLeastDistinct(std::span<const float> x, std::size_t wanted) {
    std::vector<float> sorted(x.begin(), x.end());
    std::sort(sorted.begin(), sorted.end());
    const auto distinct =
        static_cast<std::size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
    return distinct >= wanted;
}

float meanOf(std::span<const float> values) {
    CompensatedSum sum;
    for (float v : values)
        sum.add(v);
    return sum.value() / static_cast<float>(values.size());
}

// Powers t^0 .. t^(count-1) by repeated multiplication.
void powersOf(float t, std::size_t count, std::span<float> out) {
    float power = 1.0f;
    for (std::size_t j = 0; j < count; ++j) {
        out[j] = power;
        power *= t;
    }
}

// The polynomial in t = x - shift, expanded into powers of x: sum c_k (x - shift)^k.
void expandAboutZero(std::span<const float> shifted, float shift, std::span<float> out) {
    std::array<float, kMax> result{};
    // Horner in the shifted variable: result = result * (x - shift) + c_k, from the top down.
    for (std::size_t k = shifted.size(); k-- > 0;) {
        std::array<float, kMax> next{};
        for (std::size_t j = 0; j + 1 < shifted.size(); ++j) {
            next[j + 1] += result[j];
            next[j] -= shift * result[j];
        }
        next[0] += shifted[k];
        result = next;
    }
    std::copy_n(result.begin(), shifted.size(), out.begin());
}

} // namespace

bool invertSymmetricPositiveDefinite(std::span<float> m, std::size_t p) {
    if (p == 0 || p > kMax || m.size() < p * p)
        return false;
    auto at = [m, p](std::size_t row, std::size_t column) -> float & { return m[row * p + column]; };
    std::array<float, kMax> h{};
    for (std::size_t pass = p; pass-- > 0;) {
        const float pivot = at(0, 0);
        if (!(pivot > 0.0f) || !std::isfinite(pivot))
            return false;
        for (std::size_t i = 1; i < p; ++i) {
            h[i] = (i > pass ? at(i, 0) : -at(i, 0)) / pivot;
            for (std::size_t j = 1; j <= i; ++j)
                at(i - 1, j - 1) = at(i, 0) * h[j] + at(i, j);
        }
        at(p - 1, p - 1) = 1.0f / pivot;
        for (std::size_t i = 1; i < p; ++i)
            at(p - 1, i - 1) = h[i];
    }
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = i + 1; j < p; ++j)
            at(i, j) = at(j, i);
    return true;
}

bool fitPolynomial(std::span<const float> x, std::span<const float> y, std::span<float> coefficients) {
    const std::size_t p = coefficients.size();
    auto finite = [](float v) { return std::isfinite(v); };
    if (p == 0 || p > kMax || x.size() != y.size() || !std::all_of(x.begin(), x.end(), finite) ||
        !std::all_of(y.begin(), y.end(), finite) || !hasAtLeastDistinct(x, p))
        return false;

    const float shift = meanOf(x);
    std::array<CompensatedSum, kMax * kMax> normalSums{};
    std::array<CompensatedSum, kMax> rightSums{};
    std::array<float, kMax> powers{};
    for (std::size_t n = 0; n < x.size(); ++n) {
        powersOf(x[n] - shift, p, powers);
        for (std::size_t i = 0; i < p; ++i) {
            rightSums[i].add(powers[i] * y[n]);
            for (std::size_t j = 0; j <= i; ++j)
                normalSums[i * p + j].add(powers[i] * powers[j]);
        }
    }

    std::array<float, kMax * kMax> normal{};
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = 0; j <= i; ++j)
            normal[i * p + j] = normal[j * p + i] = normalSums[i * p + j].value();
    if (!invertSymmetricPositiveDefinite(std::span<float>(normal.data(), p * p), p))
        return false;

    std::array<float, kMax> shifted{};
    for (std::size_t i = 0; i < p; ++i) {
        CompensatedSum sum;
        for (std::size_t j = 0; j < p; ++j)
            sum.add(normal[i * p + j] * rightSums[j].value());
        shifted[i] = sum.value();
    }
    std::array<float, kMax> result{};
    expandAboutZero(std::span<const float>(shifted.data(), p), shift, result);
    if (!std::all_of(result.begin(), result.begin() + static_cast<std::ptrdiff_t>(p),
                     [](float c) { return std::isfinite(c); }))
        return false;
    std::copy_n(result.begin(), p, coefficients.begin());
    return true;
}

float evaluatePolynomial(std::span<const float> coefficients, float x) {
    float value = 0.0f;
    for (std::size_t k = coefficients.size(); k-- > 0;)
        value = value * x + coefficients[k];
    return value;
}

} // namespace spectavo::dataproc
