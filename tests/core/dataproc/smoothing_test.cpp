#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/difference.h"
#include "core/dataproc/smoothing.h"

namespace spectavo::dataproc {
namespace {

std::vector<float> ramp(std::size_t count) {
    std::vector<float> y(count);
    std::iota(y.begin(), y.end(), 0.0f);
    return y;
}

TEST(MovingAverage, SpectrumWindowIsCutAtTheEnds) {
    const std::vector<float> y = ramp(10);
    std::vector<float> out(y.size());
    ASSERT_TRUE(movingAverageHalfWidth(y, out, 3));
    EXPECT_FLOAT_EQ(out[0], (0 + 1 + 2 + 3) / 4.0f);
    EXPECT_FLOAT_EQ(out[4], (1 + 2 + 3 + 4 + 5 + 6 + 7) / 7.0f);
    EXPECT_FLOAT_EQ(out[9], (6 + 7 + 8 + 9) / 4.0f);
}

TEST(MovingAverage, EvenTimeScanWindowLeansToEarlierPoints) {
    const std::vector<float> y{1, 2, 4, 8, 16};
    std::vector<float> out(y.size());
    ASSERT_TRUE(movingWindowAverage(y, out, 4)); // points i-2 .. i+1
    EXPECT_FLOAT_EQ(out[0], (1 + 2) / 2.0f);
    EXPECT_FLOAT_EQ(out[2], (1 + 2 + 4 + 8) / 4.0f);
    EXPECT_FLOAT_EQ(out[4], (4 + 8 + 16) / 3.0f);
    ASSERT_TRUE(movingWindowAverage(y, out, 3)); // points i-1 .. i+1
    EXPECT_FLOAT_EQ(out[2], (2 + 4 + 8) / 3.0f);
}

TEST(MovingAverage, RefusesBadArguments) {
    std::vector<float> y{1, 2}, shorter(1);
    EXPECT_FALSE(movingAverageHalfWidth(y, shorter, 1));
    EXPECT_FALSE(movingWindowAverage(y, y, 0));
    std::vector<float> empty, emptyOut;
    EXPECT_TRUE(movingAverageHalfWidth(empty, emptyOut, 3));
}

TEST(RepeatedDifference, SecondDerivativeOfASquareEndsInTwoZeros) {
    std::vector<float> y;
    for (int x = 0; x < 8; ++x)
        y.push_back(static_cast<float>(x * x));
    ASSERT_TRUE(repeatedDifference(y, 2, 1.0f));
    EXPECT_EQ(y, (std::vector<float>{2, 2, 2, 2, 2, 2, 0, 0}));
}

TEST(RepeatedDifference, TimeScanPassesArePerPoint) {
    std::vector<float> y{0, 1, 4, 9, 16};
    ASSERT_TRUE(repeatedDifference(y, 1, 1.0f));
    EXPECT_EQ(y, (std::vector<float>{1, 3, 5, 7, 7}));
    ASSERT_TRUE(repeatedDifference(y, 1, 1.0f));
    EXPECT_EQ(y, (std::vector<float>{2, 2, 2, 0, 0}));
}

TEST(RepeatedDifference, SpectrumDerivativeDividesByTheStep) {
    std::vector<float> y{0, 1, 2, 3};
    ASSERT_TRUE(repeatedDifference(y, 1, 0.5f));
    EXPECT_EQ(y, (std::vector<float>{2, 2, 2, 2}));
}

TEST(RepeatedDifference, NoPassesOrTinyDataChangeNothing) {
    std::vector<float> y{3, 1, 4};
    ASSERT_TRUE(repeatedDifference(y, 0, 1.0f));
    EXPECT_EQ(y, (std::vector<float>{3, 1, 4}));
    std::vector<float> one{5};
    ASSERT_TRUE(repeatedDifference(one, 3, 1.0f));
    EXPECT_EQ(one, (std::vector<float>{5}));
    EXPECT_FALSE(repeatedDifference(y, 1, 0.0f));
}

} // namespace
} // namespace spectavo::dataproc
