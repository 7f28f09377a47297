#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "core/dataproc/marks.h"

namespace spectavo::dataproc {
namespace {

struct Marked {
    std::vector<std::int32_t> marks;
    MarkCounts counts;
};

Marked mark(const std::vector<float> &y, float threshold) {
    Marked result;
    result.marks.assign(y.size(), 77);
    result.counts = computeMarks(y, threshold, result.marks);
    return result;
}

using Marks = std::vector<std::int32_t>;

TEST(Marks, PeakAndValleyBecomeSignificantAboveTheThreshold) {
    const Marked m = mark({0, 1, 3, 2, 0, 1}, 0.5f);
    EXPECT_EQ(m.marks, (Marks{0, 0, 100, 0, -100, 0}));
    EXPECT_EQ(m.counts, (MarkCounts{1, 1}));
}

TEST(Marks, ADropEqualToTheThresholdIsNotSignificant) {
    const Marked m = mark({0, 1, 3, 2, 0, 1}, 3.0f);
    EXPECT_EQ(m.marks, (Marks{0, 0, 1, 0, -1, 0}));
    EXPECT_EQ(m.counts, (MarkCounts{0, 0}));
}

TEST(Marks, PlateauMarksItsLastPoint) {
    EXPECT_EQ(mark({1, 2, 2, 2, 1}, 10.0f).marks, (Marks{0, 0, 0, 1, 0}));
}

TEST(Marks, MonotonicAndFlatDataHaveNoMarks) {
    EXPECT_EQ(mark({1, 2, 3, 4}, 0.0f).marks, (Marks{0, 0, 0, 0}));
    EXPECT_EQ(mark({2, 2, 2}, 0.0f).marks, (Marks{0, 0, 0}));
    EXPECT_EQ(mark({}, 0.0f).counts, (MarkCounts{0, 0}));
    EXPECT_EQ(mark({5}, 0.0f).marks, (Marks{0}));
}

TEST(Marks, ShallowNeighbourValleyDecidesEvenWithADeepOneFurtherRight) {
    // Peak at 1 drops only 0.1 to the valley at 2; the deep valley at 4 does not count for it.
    const Marked m = mark({0, 1.0f, 0.9f, 0.95f, 0.0f, 0.5f}, 0.5f);
    EXPECT_EQ(m.marks[1], kMinorMaximum);
    EXPECT_EQ(m.marks[3], kSignificantPeak);
}

TEST(Marks, TimeScanCurvesUseTheSameRule) {
    const std::vector<float> y{0, 0.05f, 0, 0.01f};
    const Marked low = mark(y, 0.03f);
    EXPECT_EQ(low.marks, (Marks{0, 100, -100, 0}));
    EXPECT_EQ(low.counts, (MarkCounts{1, 1}));
    const Marked high = mark(y, 0.06f);
    EXPECT_EQ(high.marks, (Marks{0, 1, -1, 0}));
    EXPECT_EQ(high.counts, (MarkCounts{0, 0}));
}

TEST(Marks, RiseThenFallToTheEndLeavesThePeakMinor) {
    const Marked m = mark({0, 1, 2, 1, 0}, 0.1f);
    EXPECT_EQ(m.marks, (Marks{0, 0, 1, 0, 0}));
    EXPECT_EQ(m.counts.peaks, 0);
}

TEST(Marks, WrongSizedMarkBufferIsLeftAlone) {
    std::vector<std::int32_t> marks(2, 5);
    EXPECT_EQ(computeMarks(std::vector<float>{0, 1, 0}, 0.1f, marks), (MarkCounts{0, 0}));
    EXPECT_EQ(marks, (Marks{5, 5}));
}

std::vector<float> halfWidths(const std::vector<float> &y, float threshold, float step) {
    std::vector<std::int32_t> marks(y.size());
    computeMarks(y, threshold, marks);
    std::vector<float> widths(y.size(), 9.0f);
    computeHalfWidths(y, marks, step, widths);
    return widths;
}

TEST(HalfWidths, CountPointsToHalfHeightOnBothSides) {
    // Peak 1.0 at index 10; y[12] = 0.5 on the right, y[7] = 0.4 on the left, step 1 nm.
    std::vector<float> y(20, 0.0f);
    y[6] = 0.3f, y[7] = 0.4f, y[8] = 0.6f, y[9] = 0.8f, y[10] = 1.0f, y[11] = 0.9f, y[12] = 0.5f;
    y[13] = 0.2f, y[19] = 0.1f; // the rise at the end makes index 18 the valley that gives the peak its drop
    const std::vector<float> widths = halfWidths(y, 0.03f, 1.0f);
    EXPECT_FLOAT_EQ(widths[10], 4.0f);
    for (std::size_t i = 0; i < y.size(); ++i) {
        if (i != 10) {
            EXPECT_EQ(widths[i], 0.0f) << i;
        }
    }
}

TEST(HalfWidths, ScaleWithTheStep) {
    std::vector<float> y{0, 0.2f, 0.6f, 1.0f, 0.6f, 0.2f, 0, 0.1f};
    EXPECT_FLOAT_EQ(halfWidths(y, 0.1f, 0.5f)[3], (2 + 2 - 1) * 0.5f);
}

TEST(HalfWidths, NeverNegativeWhenNoSideReachesHalfHeight) {
    // The peak at 1 drops 0.2 to a valley that is itself minor (the next peak rises only 0.05), and
    // the data never falls to half height: the width cannot be determined and is reported as 0.
    const std::vector<float> y{0.9f, 1.0f, 0.8f, 0.85f, 0.84f};
    std::vector<std::int32_t> marks(y.size());
    computeMarks(y, 0.1f, marks);
    ASSERT_EQ(marks, (Marks{0, 100, -1, 1, 0}));
    std::vector<float> widths(y.size(), 9.0f);
    computeHalfWidths(y, marks, 1.0f, widths);
    EXPECT_EQ(widths[1], 0.0f);
}

} // namespace
} // namespace spectavo::dataproc
