#include <array>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/polyfit.h"
#include "support/oracles.h"

namespace spectavo::dataproc {
namespace {

constexpr double kNorrisSlope = 1.00211681802045;
constexpr double kNorrisIntercept = -0.262323073774029;

double correctDigits(double value, double certified) {
    if (value == certified)
        return 15.0;
    return -std::log10(std::fabs(value - certified) / std::fabs(certified));
}

TEST(PolynomialFit, NorrisLineMatchesTheCertifiedValuesInSinglePrecision) {
    const test::XyData norris = test::readXyColumns(test::dataPath("norris.txt"));
    std::array<float, 2> k{};
    ASSERT_TRUE(fitPolynomial(norris.x, norris.y, k));
    EXPECT_GE(correctDigits(k[1], kNorrisSlope), 6.0) << k[1];
    EXPECT_GE(correctDigits(k[0], kNorrisIntercept), 3.0) << k[0];

    const auto [low, high] = std::minmax_element(norris.y.begin(), norris.y.end());
    const double tolerance = 1e-5 * (*high - *low);
    for (float x : norris.x) {
        const double certified = kNorrisIntercept + kNorrisSlope * x;
        EXPECT_NEAR(evaluatePolynomial(k, x), certified, tolerance) << "at x = " << x;
    }
}

TEST(PolynomialFit, OverflowingSumsAreAFailedFitNotNaN) {
    test::XyData norris = test::readXyColumns(test::dataPath("norris.txt"));
    for (float &x : norris.x)
        x *= 1e4f;
    std::array<float, 4> k{7.0f, 7.0f, 7.0f, 7.0f};
    EXPECT_FALSE(fitPolynomial(norris.x, norris.y, k));
    EXPECT_EQ(k, (std::array<float, 4>{7.0f, 7.0f, 7.0f, 7.0f})) << "a failed fit leaves the coefficients";
}

TEST(PolynomialFit, TwoStandardsGiveTheLineThroughThem) {
    const std::vector<float> dA{0.1f, 0.3f};
    const std::vector<float> conc{1.0f, 3.0f};
    std::array<float, 2> k{};
    ASSERT_TRUE(fitPolynomial(dA, conc, k));
    EXPECT_NEAR(k[0], 0.0f, 1e-5);
    EXPECT_NEAR(k[1], 10.0f, 1e-4);
}

TEST(PolynomialFit, TooFewDistinctStandardsFail) {
    std::array<float, 3> quadratic{1.0f, 2.0f, 3.0f};
    EXPECT_FALSE(fitPolynomial(std::vector<float>{0.1f, 0.3f}, std::vector<float>{1.0f, 3.0f}, quadratic));
    std::array<float, 2> line{1.0f, 2.0f};
    EXPECT_FALSE(fitPolynomial(std::vector<float>{0.2f}, std::vector<float>{2.0f}, line));
    EXPECT_FALSE(
        fitPolynomial(std::vector<float>{0.2f, 0.2f, 0.2f}, std::vector<float>{1.0f, 2.0f, 3.0f}, line));
    EXPECT_EQ(line, (std::array<float, 2>{1.0f, 2.0f}));
    EXPECT_FALSE(fitPolynomial(std::vector<float>{0.1f, NAN}, std::vector<float>{1.0f, 2.0f}, line));
}

TEST(PolynomialFit, ExactPolynomialsAreRecovered) {
    // Conc = 0.5 + 2 A - 3 A^2 + 4 A^3 through five standards.
    const std::vector<float> dA{0.1f, 0.3f, 0.5f, 0.8f, 1.2f};
    std::vector<float> conc;
    for (float a : dA)
        conc.push_back(0.5f + a * (2.0f + a * (-3.0f + a * 4.0f)));
    std::array<float, 4> k{};
    ASSERT_TRUE(fitPolynomial(dA, conc, k));
    EXPECT_NEAR(k[0], 0.5f, 1e-3);
    EXPECT_NEAR(k[1], 2.0f, 1e-2);
    EXPECT_NEAR(k[2], -3.0f, 2e-2);
    EXPECT_NEAR(k[3], 4.0f, 1e-2);
}

TEST(PolynomialFit, HornerEvaluatesFromTheHighestCoefficient) {
    const std::array<float, 4> k{1.0f, -2.0f, 0.5f, 0.25f};
    EXPECT_FLOAT_EQ(evaluatePolynomial(k, 2.0f), 1.0f - 4.0f + 2.0f + 2.0f);
    EXPECT_FLOAT_EQ(evaluatePolynomial(std::array<float, 0>{}, 2.0f), 0.0f);
}

TEST(BauerReinsch, InvertsASymmetricPositiveDefiniteMatrix) {
    // The inverse of [[4, 2, 2], [2, 5, 3], [2, 3, 6]] is [[21, -6, -4], [-6, 20, -8], [-4, -8, 16]] / 64.
    std::array<float, 9> m{4, 2, 2, 2, 5, 3, 2, 3, 6};
    ASSERT_TRUE(invertSymmetricPositiveDefinite(m, 3));
    const std::array<float, 9> expected{21, -6, -4, -6, 20, -8, -4, -8, 16};
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_NEAR(m[i], expected[i] / 64.0f, 1e-6) << i;
}

TEST(BauerReinsch, RefusesNonPositiveAndNonFinitePivots) {
    std::array<float, 4> singular{1, 1, 1, 1};
    EXPECT_FALSE(invertSymmetricPositiveDefinite(singular, 2));
    std::array<float, 4> indefinite{-1, 0, 0, 1};
    EXPECT_FALSE(invertSymmetricPositiveDefinite(indefinite, 2));
    std::array<float, 4> infinite{INFINITY, 1, 1, 1};
    EXPECT_FALSE(invertSymmetricPositiveDefinite(infinite, 2));
}

} // namespace
} // namespace spectavo::dataproc
