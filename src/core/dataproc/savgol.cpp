#include "core/dataproc/savgol.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace spectavo::dataproc {
namespace {

constexpr std::size_t kMaxOrder = kMaxSavGolDegree + 1;
using Matrix = std::array<std::array<double, kMaxOrder>, kMaxOrder>;
using Vector = std::array<double, kMaxOrder>;

// Replaces a pivot that is exactly zero, so a singular system still yields numbers rather than a
// division by zero.
constexpr double kTinyPivot = 1e-20;

// Crout LU decomposition with partial pivoting and implicit row scaling, in place. `order` records
// the row interchanges.
bool decomposeLu(Matrix &a, std::size_t n, std::array<std::size_t, kMaxOrder> &order) {
    Vector scale{};
    for (std::size_t i = 0; i < n; ++i) {
        double largest = 0.0;
        for (std::size_t j = 0; j < n; ++j)
            largest = std::max(largest, std::fabs(a[i][j]));
        if (largest == 0.0)
            return false;
        scale[i] = 1.0 / largest;
    }
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            double sum = a[i][j];
            for (std::size_t k = 0; k < i; ++k)
                sum -= a[i][k] * a[k][j];
            a[i][j] = sum;
        }
        double best = -1.0;
        std::size_t pivotRow = j;
        for (std::size_t i = j; i < n; ++i) {
            double sum = a[i][j];
            for (std::size_t k = 0; k < j; ++k)
                sum -= a[i][k] * a[k][j];
            a[i][j] = sum;
            if (const double merit = scale[i] * std::fabs(sum); merit >= best) {
                best = merit;
                pivotRow = i;
            }
        }
        if (pivotRow != j) {
            std::swap(a[pivotRow], a[j]);
            scale[pivotRow] = scale[j];
        }
        order[j] = pivotRow;
        if (a[j][j] == 0.0)
            a[j][j] = kTinyPivot;
        for (std::size_t i = j + 1; i < n; ++i)
            a[i][j] /= a[j][j];
    }
    return true;
}

void solveLu(const Matrix &a, std::size_t n, const std::array<std::size_t, kMaxOrder> &order, Vector &b) {
    for (std::size_t i = 0; i < n; ++i) {
        std::swap(b[i], b[order[i]]);
        double sum = b[i];
        for (std::size_t k = 0; k < i; ++k)
            sum -= a[i][k] * b[k];
        b[i] = sum;
    }
    for (std::size_t i = n; i-- > 0;) {
        double sum = b[i];
        for (std::size_t k = i + 1; k < n; ++k)
            sum -= a[i][k] * b[k];
        b[i] = sum / a[i][i];
    }
}

// Interior points share one window; every point within w of an end has its own cut window.
struct WindowWeights {
    bool usable = false;
    std::vector<float> weights;
};

WindowWeights weightsFor(int nLeft, int nRight, int degree, int derivative) {
    WindowWeights window;
    window.weights.resize(static_cast<std::size_t>(nLeft + nRight + 1));
    window.usable = savitzkyGolayWeights(nLeft, nRight, degree, derivative, window.weights);
    return window;
}

float filteredPoint(std::span<const float> in, std::size_t i, int nLeft, const WindowWeights &window,
                    float scale) {
    float sum = 0.0f;
    const std::size_t first = i - static_cast<std::size_t>(nLeft);
    for (std::size_t k = 0; k < window.weights.size(); ++k)
        sum += window.weights[k] * in[first + k];
    return scale * sum;
}

} // namespace

bool savitzkyGolayWeights(int nLeft, int nRight, int degree, int derivative, std::span<float> weights) {
    if (nLeft < 0 || nRight < 0 || degree < 0 || degree > kMaxSavGolDegree || derivative < 0 ||
        derivative > degree || nLeft + nRight < degree ||
        weights.size() != static_cast<std::size_t>(nLeft + nRight + 1))
        return false;

    const std::size_t n = static_cast<std::size_t>(degree) + 1;
    // Power sums S(p) = sum of k^p over the window, with 0^0 = 1.
    std::array<double, 2 * kMaxOrder> powerSums{};
    for (int k = -nLeft; k <= nRight; ++k) {
        double power = 1.0;
        for (std::size_t p = 0; p < 2 * n - 1; ++p) {
            powerSums[p] += power;
            power *= k;
        }
    }
    Matrix a{};
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            a[i][j] = powerSums[i + j];
    std::array<std::size_t, kMaxOrder> order{};
    if (!decomposeLu(a, n, order))
        return false;
    Vector b{};
    b[static_cast<std::size_t>(derivative)] = 1.0;
    solveLu(a, n, order, b);

    for (int k = -nLeft; k <= nRight; ++k) {
        double weight = 0.0;
        double power = 1.0;
        for (std::size_t j = 0; j < n; ++j) {
            weight += b[j] * power;
            power *= k;
        }
        weights[static_cast<std::size_t>(k + nLeft)] = static_cast<float>(weight);
    }
    return true;
}

float savitzkyGolayScale(int derivative, float spacing) {
    double scale = 1.0;
    for (int i = 1; i <= derivative; ++i)
        scale *= static_cast<double>(i) / static_cast<double>(spacing);
    return static_cast<float>(scale);
}

bool savitzkyGolayFilter(std::span<const float> in, std::span<float> out, int degree, int derivative,
                         int halfWidth, float spacing) {
    std::fill(out.begin(), out.end(), 0.0f);
    if (in.size() != out.size() || halfWidth < 0)
        return false;
    const WindowWeights symmetric = weightsFor(halfWidth, halfWidth, degree, derivative);
    if (!symmetric.usable)
        return false;

    const float scale = savitzkyGolayScale(derivative, spacing);
    const std::size_t count = in.size();
    const std::size_t w = static_cast<std::size_t>(halfWidth);
    for (std::size_t i = 0; i < count; ++i) {
        const int nLeft = static_cast<int>(std::min(i, w));
        const int nRight = static_cast<int>(std::min(count - 1 - i, w));
        if (nLeft == halfWidth && nRight == halfWidth) {
            out[i] = filteredPoint(in, i, nLeft, symmetric, scale);
            continue;
        }
        const WindowWeights cut = weightsFor(nLeft, nRight, degree, derivative);
        if (cut.usable)
            out[i] = filteredPoint(in, i, nLeft, cut, scale);
    }
    return true;
}

} // namespace spectavo::dataproc
