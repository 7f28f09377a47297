#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/savgol.h"
#include "support/oracles.h"

namespace spectavo::dataproc {
namespace {

std::vector<float> weights(int nLeft, int nRight, int degree, int derivative) {
    std::vector<float> w(static_cast<std::size_t>(nLeft + nRight + 1));
    EXPECT_TRUE(savitzkyGolayWeights(nLeft, nRight, degree, derivative, w));
    return w;
}

void expectWeights(const std::vector<float> &actual, const std::vector<double> &numerators,
                   double normaliser) {
    ASSERT_EQ(actual.size(), numerators.size());
    for (std::size_t k = 0; k < actual.size(); ++k)
        EXPECT_NEAR(actual[k], numerators[k] / normaliser, 1e-7) << "offset index " << k;
}

// The classic tables of smoothing and derivative weights.
TEST(SavitzkyGolayWeights, MatchThePublishedTables) {
    expectWeights(weights(2, 2, 2, 0), {-3, 12, 17, 12, -3}, 35);
    expectWeights(weights(3, 3, 2, 0), {-2, 3, 6, 7, 6, 3, -2}, 21);
    expectWeights(weights(4, 4, 2, 0), {-21, 14, 39, 54, 59, 54, 39, 14, -21}, 231);
    expectWeights(weights(3, 3, 4, 0), {5, -30, 75, 131, 75, -30, 5}, 231);
    expectWeights(weights(2, 2, 2, 1), {-2, -1, 0, 1, 2}, 10);
}

TEST(SavitzkyGolayWeights, EverySymmetricReferenceWindowWithinOnePartPerMillion) {
    const auto cases = test::readSavGolCases(test::dataPath("savgol_symmetric.txt"));
    ASSERT_GE(cases.size(), 60u);
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.nLeft << " " << c.nRight << " degree " << c.degree << " d" << c.derivative);
        const std::vector<float> w = weights(c.nLeft, c.nRight, c.degree, c.derivative);
        ASSERT_EQ(w.size(), c.numerators.size());
        // The reference includes the factor d!; the weights here do not.
        const double factorial = std::tgamma(c.derivative + 1.0);
        double largest = 0.0;
        for (long long n : c.numerators)
            largest = std::max(largest, std::fabs(double(n) / double(c.normaliser)));
        for (std::size_t k = 0; k < w.size(); ++k) {
            const double exact = double(c.numerators[k]) / double(c.normaliser);
            // A weight that is exactly 0 is checked against the window's largest weight instead.
            const double scale = exact == 0.0 ? largest : std::fabs(exact);
            EXPECT_LE(std::fabs(w[k] * factorial - exact), 1e-6 * scale) << "offset index " << k;
        }
    }
}

TEST(SavitzkyGolayWeights, RefuseWindowsThatCannotCarryThePolynomial) {
    std::vector<float> w(5);
    EXPECT_FALSE(savitzkyGolayWeights(2, 2, 5, 0, w)) << "five points cannot carry degree 5";
    EXPECT_FALSE(savitzkyGolayWeights(2, 2, 2, 3, w)) << "derivative above the degree";
    std::vector<float> four(4);
    EXPECT_FALSE(savitzkyGolayWeights(-1, 4, 2, 0, four));
    EXPECT_FALSE(savitzkyGolayWeights(2, 2, 2, 0, four)) << "buffer of the wrong size";
    EXPECT_TRUE(savitzkyGolayWeights(0, 2, 2, 0, std::span<float>(w).first(3)));
}

std::vector<float> sampled(std::size_t count, float step, float (*f)(float)) {
    std::vector<float> y(count);
    for (std::size_t i = 0; i < count; ++i)
        y[i] = f(static_cast<float>(i) * step);
    return y;
}

TEST(SavitzkyGolayFilter, ReproducesAStraightLineIncludingBothEdges) {
    const std::vector<float> y = sampled(20, 1.0f, [](float x) { return 0.25f + 0.05f * x; });
    std::vector<float> out(y.size());
    ASSERT_TRUE(savitzkyGolayFilter(y, out, 2, 0, 2, 1.0f));
    for (std::size_t i = 0; i < y.size(); ++i)
        EXPECT_NEAR(out[i], y[i], 1e-5) << i;
}

TEST(SavitzkyGolayFilter, FirstDerivativeIsPerUnitOfTheStep) {
    const std::vector<float> y = sampled(15, 0.5f, [](float x) { return 3.0f * x; });
    std::vector<float> out(y.size());
    ASSERT_TRUE(savitzkyGolayFilter(y, out, 2, 1, 2, 0.5f));
    for (std::size_t i = 0; i < y.size(); ++i)
        EXPECT_NEAR(out[i], 3.0f, 1e-4) << i;
}

TEST(SavitzkyGolayFilter, TimeScanDerivativeIsPerSecond) {
    // A = 0.01 t sampled every 0.5 s.
    const std::vector<float> y = sampled(30, 0.5f, [](float t) { return 0.01f * t; });
    std::vector<float> out(y.size());
    ASSERT_TRUE(savitzkyGolayFilter(y, out, 4, 1, 5, 0.5f));
    for (std::size_t i = 0; i < y.size(); ++i)
        EXPECT_NEAR(out[i], 0.01f, 1e-5) << i;
}

TEST(SavitzkyGolayFilter, SecondDerivativeCarriesTheFactorial) {
    const std::vector<float> y = sampled(25, 0.5f, [](float x) { return x * x; });
    std::vector<float> out(y.size());
    ASSERT_TRUE(savitzkyGolayFilter(y, out, 2, 2, 3, 0.5f));
    for (std::size_t i = 0; i < y.size(); ++i)
        EXPECT_NEAR(out[i], 2.0f, 1e-3) << i;
}

TEST(SavitzkyGolayFilter, RefusedSymmetricWindowGivesAllZeros) {
    const std::vector<float> y = sampled(12, 1.0f, [](float x) { return x + 1.0f; });
    std::vector<float> out(y.size(), 9.0f);
    EXPECT_FALSE(savitzkyGolayFilter(y, out, 5, 0, 2, 1.0f));
    for (float v : out)
        EXPECT_EQ(v, 0.0f);
}

TEST(SavitzkyGolayFilter, DegreeTenWidthFiveLeavesFiveZerosAtEachEnd) {
    const std::vector<float> y = sampled(40, 1.0f, [](float x) { return std::sin(x / 6.0f); });
    std::vector<float> out(y.size());
    ASSERT_TRUE(savitzkyGolayFilter(y, out, 10, 0, 5, 1.0f));
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(out[i], 0.0f) << i;
        EXPECT_EQ(out[y.size() - 1 - i], 0.0f) << i;
    }
    for (std::size_t i = 5; i + 5 < y.size(); ++i)
        EXPECT_NEAR(out[i], y[i], 1e-4) << i;
}

TEST(SavitzkyGolayFilter, DataShorterThanTheWindowUsesThePointsThatExist) {
    const std::vector<float> y = sampled(4, 1.0f, [](float x) { return 2.0f * x; });
    std::vector<float> out(y.size());
    ASSERT_TRUE(savitzkyGolayFilter(y, out, 2, 0, 5, 1.0f));
    for (std::size_t i = 0; i < y.size(); ++i)
        EXPECT_NEAR(out[i], y[i], 1e-5) << i;
}

} // namespace
} // namespace spectavo::dataproc
