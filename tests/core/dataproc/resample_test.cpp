#include <cmath>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/pointcount.h"
#include "core/dataproc/resample.h"

namespace spectavo::dataproc {
namespace {

TEST(PointCount, SpectrumGridIncludesBothEnds) {
    EXPECT_EQ(spectrumPointCount(190.0f, 1100.0f, 1.0f), 911u);
    EXPECT_EQ(spectrumPointCount(400.0f, 700.0f, 0.3f), 1001u);
    EXPECT_EQ(spectrumPointCount(190.0f, 1100.0f, 3.0f), 304u);
    EXPECT_EQ(spectrumPointCount(500.0f, 500.0f, 1.0f), 1u);
}

TEST(PointCount, CurveGridIncludesTimeZero) {
    EXPECT_EQ(curvePointCount(60.0f, 0.5f), 121u);
    EXPECT_EQ(curvePointCount(60.0f, 1.0f), 61u);
    EXPECT_EQ(curvePointCount(10.0f, 0.1f), 101u);
}

TEST(PointCount, NonsensicalGridsHoldNoPoints) {
    EXPECT_EQ(spectrumPointCount(400.0f, 700.0f, 0.0f), 0u);
    EXPECT_EQ(spectrumPointCount(400.0f, 700.0f, -1.0f), 0u);
    EXPECT_EQ(spectrumPointCount(700.0f, 400.0f, 1.0f), 0u);
    EXPECT_EQ(spectrumPointCount(NAN, 400.0f, 1.0f), 0u);
    EXPECT_EQ(curvePointCount(1e9f, 1e-6f), 0u) << "beyond any record";
    EXPECT_EQ(curvePointCount(INFINITY, 1.0f), 0u);
}

TEST(Resample, SpectrumKeepsEveryThirdPoint) {
    std::vector<float> y(911);
    std::iota(y.begin(), y.end(), 0.0f);
    const std::size_t newCount = spectrumPointCount(190.0f, 1100.0f, 3.0f);
    const std::vector<float> out = resampleEvery(y, 3, newCount);
    ASSERT_EQ(out.size(), 304u);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[303], 909.0f) << "the point at 1099 nm";
}

TEST(Resample, CurveKeepsItsLastMeasuredPoint) {
    std::vector<float> y(121);
    for (std::size_t i = 0; i < y.size(); ++i)
        y[i] = 1.0f + 0.01f * static_cast<float>(i);
    const std::vector<float> halved = resampleEvery(y, 2, curvePointCount(60.0f, 1.0f));
    ASSERT_EQ(halved.size(), 61u);
    EXPECT_EQ(halved[60], y[120]);

    const std::vector<float> same = resampleEvery(y, 1, curvePointCount(60.0f, 0.5f));
    EXPECT_EQ(same, y) << "resampling by 1 changes nothing";
}

TEST(Resample, PointsBeyondTheSourceStayZero) {
    const std::vector<float> y{1, 2, 3, 4, 5};
    EXPECT_EQ(resampleEvery(y, 2, 4), (std::vector<float>{1, 3, 5, 0}));
    EXPECT_TRUE(resampleEvery(y, 0, 4).empty());
}

} // namespace
} // namespace spectavo::dataproc
