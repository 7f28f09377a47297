#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/reactionrate.h"

namespace spectavo::dataproc {
namespace {

TEST(RateRange, PointsFollowTheTimeRange) {
    EXPECT_EQ(rateRange(1000, 0.5f, 0.0f, 10.0f).count, 21u);
    EXPECT_EQ(rateRange(1000, 0.5f, 0.0f, 10.0f).first, 0u);
    EXPECT_EQ(rateRange(1000, 0.5f, 0.25f, 10.0f).first, 0u);
    EXPECT_EQ(rateRange(1000, 0.2f, 0.3f, 10.0f).first, 1u);
}

TEST(RateRange, StaysInsideTheCurve) {
    const RateRange beyond = rateRange(11, 1.0f, 5.0f, 100.0f);
    EXPECT_EQ(beyond.first, 5u);
    EXPECT_EQ(beyond.count, 6u);
    EXPECT_EQ(rateRange(11, 1.0f, 20.0f, 30.0f).count, 0u);
    EXPECT_EQ(rateRange(11, 1.0f, 8.0f, 2.0f).count, 0u) << "an end before the beginning holds nothing";
    EXPECT_EQ(rateRange(11, 0.0f, 0.0f, 2.0f).count, 0u);
}

TEST(ReactionRate, LineRisingOneHundredthPerSecond) {
    std::vector<float> curve;
    for (int i = 0; i <= 120; ++i)
        curve.push_back(0.2f + 0.01f * 0.5f * static_cast<float>(i));
    const auto fit = fitReactionRate(curve, 0.5f, 0.0f, 60.0f);
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(fit->slope, 0.01f, 1e-6);
    EXPECT_NEAR(fit->r, 1.0f, 1e-6);
    EXPECT_NEAR(rateResult(fit->slope, 1.0f), 0.6f, 1e-4);
}

TEST(ReactionRate, FallingReactionOverASubrange) {
    // 0.05 absorbance lost per minute, fitted from 10 s to 30 s only.
    std::vector<float> curve;
    for (int i = 0; i <= 60; ++i)
        curve.push_back(i < 10 ? 1.5f : 1.0f - 0.05f / 60.0f * static_cast<float>(i));
    const auto fit = fitReactionRate(curve, 1.0f, 10.0f, 30.0f);
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(rateResult(fit->slope, 2.0f), -0.1f, 1e-4);
}

TEST(ReactionRate, ConstantOrSinglePointHasNoRate) {
    EXPECT_FALSE(fitReactionRate(std::vector<float>(50, 0.3f), 1.0f, 0.0f, 40.0f));
    EXPECT_FALSE(fitReactionRate(std::vector<float>{0.1f, 0.2f}, 1.0f, 1.0f, 1.0f));
    EXPECT_FALSE(fitReactionRate(std::vector<float>{}, 1.0f, 0.0f, 10.0f));
}

} // namespace
} // namespace spectavo::dataproc
