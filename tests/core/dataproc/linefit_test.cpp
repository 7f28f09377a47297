#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/linefit.h"
#include "support/oracles.h"

namespace spectavo::dataproc {
namespace {

constexpr double kNorrisR = 0.99999687293696660092; // sqrt of the certified R-squared
constexpr double kNorrisSlope = 1.00211681802045;
constexpr double kNorrisIntercept = -0.262323073774029;

TEST(StraightLine, NorrisCorrelationAgreesWithTheCertifiedValue) {
    const test::XyData norris = test::readXyColumns(test::dataPath("norris.txt"));
    ASSERT_EQ(norris.x.size(), 36u);
    const auto fit = fitStraightLine(norris.x, norris.y);
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(fit->r, kNorrisR, 1e-6);
    EXPECT_TRUE(test::nearRelative(fit->slope, kNorrisSlope, 1e-6)) << fit->slope;
    EXPECT_NEAR(fit->intercept, kNorrisIntercept, 1e-3);
}

TEST(StraightLine, FallingDataGivesANegativeCorrelation) {
    const std::vector<float> x{0.1f, 0.2f, 0.3f};
    const std::vector<float> y{3.0f, 2.0f, 1.0f};
    const auto fit = fitStraightLine(x, y);
    ASSERT_TRUE(fit.has_value());
    EXPECT_FLOAT_EQ(fit->r, -1.0f);
    EXPECT_FLOAT_EQ(fit->slope, -10.0f);
}

TEST(StraightLine, NoSpreadInXOrYHasNoLine) {
    EXPECT_FALSE(fitStraightLine(std::vector<float>{0.2f}, std::vector<float>{1.0f}));
    EXPECT_FALSE(fitStraightLine(std::vector<float>{0.2f, 0.2f}, std::vector<float>{1.0f, 2.0f}));
    EXPECT_FALSE(fitStraightLine(std::vector<float>{0.1f, 0.2f}, std::vector<float>{1.0f, 1.0f}));
    EXPECT_FALSE(fitStraightLine(std::vector<float>{}, std::vector<float>{}));
    EXPECT_FALSE(fitStraightLine(std::vector<float>{0.1f, 0.2f}, std::vector<float>{1.0f}));
}

TEST(StraightLine, TinySpreadJustAboveTheLimitStillFits) {
    // Sxx = 2 x (5e-6)^2 = 5e-11 is below the limit; 2 x (1e-5)^2 = 2e-10 is above it.
    EXPECT_FALSE(fitStraightLine(std::vector<float>{0.0f, 1e-5f}, std::vector<float>{0.0f, 1.0f}));
    EXPECT_TRUE(fitStraightLine(std::vector<float>{0.0f, 2e-5f}, std::vector<float>{0.0f, 1.0f}));
}

TEST(StraightLine, EvenlySpacedPointsUseTheStepAsX) {
    std::vector<float> y;
    for (int i = 0; i < 21; ++i)
        y.push_back(0.5f + 0.01f * 0.5f * static_cast<float>(i));
    const auto fit = fitStraightLineEvenlySpaced(y, 0.5f);
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(fit->slope, 0.01f, 1e-6);
    EXPECT_NEAR(fit->intercept, 0.5f, 1e-6);
    EXPECT_NEAR(fit->r, 1.0f, 1e-6);
}

} // namespace
} // namespace spectavo::dataproc
