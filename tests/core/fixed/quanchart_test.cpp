// The calibration chart's geometry: steps, labels, the plot area, ticks, the curve and its texts.

#include <gtest/gtest.h>

#include "core/fixed/quanchart.h"

namespace spectavo::fixed {
namespace {

ChartFontSizes fontsOf(double height) {
    ChartFontSizes fonts;
    fonts.height.fill(height);
    fonts.tickWidth = height / 2;
    return fonts;
}

std::vector<std::string> labels(const std::vector<ChartTick> &ticks) {
    std::vector<std::string> result;
    for (const ChartTick &tick : ticks)
        result.push_back(tick.label);
    return result;
}

TEST(QuanChartSteps, AutomaticStepsAndTheirLabels) {
    const QuanChartLayout layout = layoutQuanChart(CurveSettings{}, {0, 0, 600, 400}, fontsOf(12));
    ASSERT_TRUE(layout.scaled);
    EXPECT_EQ(layout.xStep, 1.0);
    EXPECT_EQ(labels(layout.xTicks), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_FALSE(layout.xTicks.front().gridLine) << "no grid line on the frame";
    EXPECT_EQ(layout.yStep, 0.1) << "a range of exactly 1 is not above 1";
    ASSERT_EQ(layout.yTicks.size(), 11u);
    EXPECT_EQ(layout.yTicks.front().label, "0.0");
    EXPECT_EQ(layout.yTicks.back().label, "1.0");
    EXPECT_FALSE(layout.yTicks.back().gridLine);
    EXPECT_TRUE(layout.yTicks[1].gridLine);
    EXPECT_EQ(automaticStep(60), 20);
    EXPECT_EQ(automaticStep(0.2), 0.05);
    EXPECT_EQ(labelFormat(0.05), "%.2f");
    EXPECT_EQ(labelFormat(20), "%.f");
}

TEST(QuanChartSteps, DenseManualStepsAreRefusedForAutomaticOnes) {
    CurveSettings settings;
    settings.autoTip = 0;
    settings.xStep = "0.05"; // 60 intervals over 0 .. 3
    EXPECT_TRUE(settings.refuseDenseSteps());
    EXPECT_EQ(settings.autoTip, 1);
    settings.autoTip = 0;
    settings.xStep = "0.1";
    EXPECT_FALSE(settings.refuseDenseSteps());
    settings.yStep = "0";
    EXPECT_TRUE(settings.refuseDenseSteps());
}

TEST(QuanChartLayoutTest, ThePlotAreaLeavesRoomForLabelsAndTitles) {
    // Font height 10: "1.0" is 3 characters, plus 1.5 x 10 for the Y title.
    const QuanChartLayout layout = layoutQuanChart(CurveSettings{}, {0, 0, 600, 400}, fontsOf(10));
    EXPECT_DOUBLE_EQ(layout.plot.left, 45.0);
    EXPECT_DOUBLE_EQ(layout.plot.right, 590.0);
    EXPECT_NEAR(layout.plot.top, 10.0 + 40.0 / 3.0, 1e-9);
    EXPECT_DOUBLE_EQ(layout.plot.bottom, 400.0 - 15.0 - 15.0);
    EXPECT_DOUBLE_EQ(layout.xOf(3.0), 590.0);
    EXPECT_DOUBLE_EQ(layout.yOf(0.0), layout.plot.bottom);
}

TEST(QuanChartLayoutTest, EqualOrReversedLimitsAndHugeRangesStayDefined) {
    CurveSettings settings;
    settings.xMax = "0";
    const QuanChartLayout flat = layoutQuanChart(settings, {0, 0, 600, 400}, fontsOf(10));
    EXPECT_FALSE(flat.scaled);
    EXPECT_TRUE(flat.xTicks.empty());
    FixedMethodRecord method;
    EXPECT_TRUE(calibrationCurve(flat, method).empty());

    settings = CurveSettings{};
    settings.autoTip = 0;
    settings.xMax = "1e12";
    settings.xStep = "1e-3";
    const QuanChartLayout huge = layoutQuanChart(settings, {0, 0, 600, 400}, fontsOf(10));
    EXPECT_EQ(huge.xTicks.size(), static_cast<std::size_t>(kMaxTicks));
}

TEST(QuanChartCurve, LinearIsOneLineAndHigherOrdersOnePointPerRow) {
    const QuanChartLayout layout = layoutQuanChart(CurveSettings{}, {0, 0, 600, 400}, fontsOf(10));
    FixedMethodRecord method;
    method.coefficients = {0.0f, 2.0f, 0.0f, 0.0f};
    const auto line = calibrationCurve(layout, method);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_DOUBLE_EQ(line[0][0], layout.xOf(0.0));
    EXPECT_DOUBLE_EQ(line[1][0], layout.xOf(2.0)) << "conc 2 at Abs 1";
    EXPECT_DOUBLE_EQ(line[1][1], layout.yOf(1.0));
    method.methodIndex = 1;
    method.coefficients = {0.0f, 0.0f, 10.0f, 0.0f}; // leaves the plot to the right: clipped when drawn
    const auto curve = calibrationCurve(layout, method);
    EXPECT_EQ(curve.size(), static_cast<std::size_t>(layout.plot.bottom - layout.plot.top));
    EXPECT_GT(curve.front()[0], layout.plot.right);
    EXPECT_EQ(formulaText(method), "Conc = 0.0000 +0.0000*Abs +10.0000*Abs^2");
    method.methodIndex = 0;
    method.correlation = 0.9995f;
    EXPECT_EQ(formulaText(method), "Conc = 0.0000 +0.0000*Abs");
    EXPECT_EQ(correlationText(method), "r = 0.999500");
}

TEST(QuanChartCurve, SegmentsAreClippedToThePlot) {
    const ChartRect plot{10, 10, 110, 60};
    const auto segments = clippedSegments({{{0, 35}}, {{60, 35}}, {{200, 35}}, {{300, 100}}}, plot);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], (std::array<double, 4>{10, 35, 60, 35}));
    EXPECT_EQ(segments[1], (std::array<double, 4>{60, 35, 110, 35}));
    EXPECT_TRUE(clippedSegments({{{0, 0}}, {{5, 100}}}, plot).empty());
}

TEST(QuanChartMarks, OnlyWithStandardsAndConcentrations) {
    FixedMethodRecord method;
    method.concentration = 1;
    method.reference = 0;
    EXPECT_FALSE(marksShown(method));
    method.reference = 1;
    EXPECT_TRUE(marksShown(method));
    method.concentration = 0;
    EXPECT_FALSE(marksShown(method));
}

} // namespace
} // namespace spectavo::fixed
