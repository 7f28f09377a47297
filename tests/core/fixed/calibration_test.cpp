// The calibration of the fixed points document: effective absorbance, the fit through the standards,
// the samples' concentrations, and presetting standards.

#include <gtest/gtest.h>

#include "core/fixed/calibration.h"
#include "core/fixed/quanchart.h"
#include "core/fixed/standardpresets.h"

namespace spectavo::fixed {
namespace {

TEST(EffectiveAbsorbance, OneTwoAndThreeWavelengths) {
    const float one[] = {0.42f};
    EXPECT_FLOAT_EQ(*effectiveAbsorbance(one, {}), 0.42f);
    const float two[] = {0.8f, 0.5f};
    EXPECT_NEAR(*effectiveAbsorbance(two, {}), 0.3f, 1e-6);
    // The baseline through (400, 0.2) and (500, 0.4) is 0.3 at 450 nm.
    const float three[] = {0.2f, 0.9f, 0.4f};
    const float wavelengths[] = {400.0f, 450.0f, 500.0f};
    EXPECT_NEAR(*effectiveAbsorbance(three, wavelengths), 0.6f, 1e-6);
    // Unevenly spaced: through (400, 0.2) and (600, 0.6) the baseline at 450 nm is 0.3.
    const float uneven[] = {400.0f, 450.0f, 600.0f};
    const float threeUneven[] = {0.2f, 0.1f, 0.6f};
    EXPECT_NEAR(*effectiveAbsorbance(threeUneven, uneven), 0.2f, 1e-6) << "below the baseline counts too";
    const float four[] = {0.1f, 0.2f, 0.3f, 0.4f};
    EXPECT_FALSE(effectiveAbsorbance(four, {}));
}

// A table in concentration mode with these standards (Abs(eff), concentration) at one wavelength.
SampleTable standards(const FixedMethodRecord &method,
                      std::initializer_list<std::pair<const char *, const char *>> rows) {
    SampleTable table(true);
    table.layoutFixedPoints(method, true);
    layoutConcentrationColumns(table, method, std::string("mg/l"));
    int row = 0;
    for (const auto &[effective, concentration] : rows) {
        const float value[] = {0.0f};
        table.writeMeasuredRow(row, "S", value, true);
        table.grid().setText(row + 1, 2, effective);
        table.grid().setText(row + 1, 3, concentration);
        ++row;
    }
    table.setModified(false);
    return table;
}

TEST(Calibration, TwoStandardsGiveTheLineAndAQuadraticThroughThemFailsLeavingTheMethod) {
    FixedMethodRecord method;
    SampleTable table = standards(method, {{"0.1000", "1.0000"}, {"0.3000", "3.0000"}});
    EXPECT_EQ(table.grid().rowTexts(0),
              (std::vector<std::string>{"Sample name", "260.0nm", "Abs(eff)", "mg/l"}));
    ASSERT_TRUE(recalculateStandards(table, method));
    EXPECT_NEAR(method.coefficients[0], 0.0f, 1e-5);
    EXPECT_NEAR(method.coefficients[1], 10.0f, 1e-4);
    EXPECT_EQ(method.coefficients[2], 0.0f);
    EXPECT_EQ(method.coefficients[3], 0.0f);
    EXPECT_NEAR(method.correlation, 1.0f, 1e-6);
    EXPECT_TRUE(table.modified());

    method.methodIndex = 1;
    const auto before = method.coefficients;
    table.setModified(false);
    EXPECT_FALSE(recalculateStandards(table, method));
    EXPECT_EQ(method.coefficients, before);
    EXPECT_NEAR(method.correlation, 1.0f, 1e-6);
    EXPECT_FALSE(table.modified());
    EXPECT_EQ(calibrationMissingText(1),
              "Calibration not computed: it needs 3 standards with different Abs(eff).");
}

TEST(Calibration, OneStandardFailsAndDescendingStandardsGiveANegativeR) {
    FixedMethodRecord method;
    SampleTable one = standards(method, {{"0.1000", "1.0000"}});
    EXPECT_FALSE(recalculateStandards(one, method));
    SampleTable falling =
        standards(method, {{"0.1000", "3.0000"}, {"0.2000", "2.1000"}, {"0.3000", "1.0000"}});
    ASSERT_TRUE(recalculateStandards(falling, method));
    EXPECT_LT(method.correlation, -0.99f);
    EXPECT_LT(method.coefficients[1], 0.0f);
}

TEST(Calibration, AQuadraticThroughFourStandardsRecoversTheCurve) {
    // c = 1 + 2 A + 3 A^2 at A = 0.1 .. 0.4: 1.23, 1.52, 1.87, 2.28, computed by hand.
    FixedMethodRecord method;
    method.methodIndex = 1;
    SampleTable table =
        standards(method, {{"0.1", "1.23"}, {"0.2", "1.52"}, {"0.3", "1.87"}, {"0.4", "2.28"}, {"n/a", "5"}});
    ASSERT_TRUE(recalculateStandards(table, method)) << "a row that is not a number takes no part";
    EXPECT_NEAR(method.coefficients[0], 1.0f, 1e-3);
    EXPECT_NEAR(method.coefficients[1], 2.0f, 1e-2);
    EXPECT_NEAR(method.coefficients[2], 3.0f, 2e-2);
    EXPECT_EQ(method.coefficients[3], 0.0f);
    EXPECT_NEAR(concentrationOf(method.coefficients, 0.5f), 1.0f + 1.0f + 0.75f, 1e-2);
}

TEST(Calibration, SampleConcentrationsFollowOnlyWhenRecalculated) {
    FixedMethodRecord method;
    method.coefficients = {0.5f, 10.0f, 0.0f, 0.0f};
    SampleTable samples(false);
    samples.layoutFixedPoints(method, true);
    layoutConcentrationColumns(samples, method, std::nullopt);
    EXPECT_EQ(samples.grid().text(0, 2), "") << "no headers before the display settings exist";
    const float value[] = {0.2f};
    samples.writeMeasuredRow(0, "S", value, true);
    samples.grid().setText(1, 2, "0.2000");
    samples.grid().setText(1, 3, "2.5000");
    method.coefficients = {0.0f, 20.0f, 0.0f, 0.0f};
    EXPECT_EQ(samples.grid().text(1, 3), "2.5000");
    recalculateSamples(samples, method);
    EXPECT_EQ(samples.grid().text(1, 3), "4.0000");
}

// A sample's concentration is the calibration at its Abs(eff) as written: 0.40004 reads 0.4000, so
// K1 = 100 gives 40.0000, not 40.0040.
TEST(Calibration, StaleConcentrationsAreTheRowsAnotherCalibrationGave) {
    FixedMethodRecord method;
    method.coefficients = {0.0f, 100.0f, 0.0f, 0.0f};
    EXPECT_EQ(sampleConcentrationText(method.coefficients, "0.4000"), "40.0000");
    EXPECT_EQ(sampleConcentrationText(method.coefficients, "0.4000 "), "40.0000");
    EXPECT_FALSE(sampleConcentrationText(method.coefficients, "0.4 x"));
    EXPECT_FALSE(sampleConcentrationText(method.coefficients, ""));

    SampleTable samples(false);
    samples.layoutFixedPoints(method, true, 2);
    layoutConcentrationColumns(samples, method, std::string("mg/l"));
    const float value[] = {0.0f};
    for (int row = 0; row < 3; ++row)
        samples.writeMeasuredRow(row, "S", value, true);
    samples.grid().setText(1, 2, "0.4000");
    samples.grid().setText(2, 2, "0.2000");
    samples.grid().setText(3, 2, ""); // no Abs(eff): nothing to compare
    recalculateSamples(samples, method);
    EXPECT_TRUE(staleConcentrationRows(samples, method).empty());

    method.methodIndex = 1;
    method.coefficients = {0.0f, 100.0f, 5.0f, 0.0f}; // a quadratic fit replaces the line
    EXPECT_EQ(staleConcentrationRows(samples, method), (std::vector<int>{1, 2}));
    samples.grid().setText(2, 3, *sampleConcentrationText(method.coefficients, "0.2000"));
    EXPECT_EQ(staleConcentrationRows(samples, method), (std::vector<int>{1}));
    recalculateSamples(samples, method);
    EXPECT_TRUE(staleConcentrationRows(samples, method).empty());
    EXPECT_EQ(samples.grid().text(1, 3), "40.8000");

    method.concentration = 0;
    EXPECT_TRUE(staleConcentrationRows(samples, method).empty()) << "no concentrations, nothing stale";
}

TEST(Calibration, AFitFromTheStandardsSaysSo) {
    FixedMethodRecord method;
    EXPECT_EQ(method.calibrationSource, CalibrationSource::Earlier);
    SampleTable table = standards(method, {{"0.1000", "1.0000"}});
    EXPECT_FALSE(recalculateStandards(table, method));
    EXPECT_EQ(method.calibrationSource, CalibrationSource::Earlier) << "a failed fit changes nothing";
    table = standards(method, {{"0.1000", "1.0000"}, {"0.3000", "3.0000"}});
    ASSERT_TRUE(recalculateStandards(table, method));
    EXPECT_EQ(method.calibrationSource, CalibrationSource::Standards);
    EXPECT_EQ(calibrationSourceText(method.calibrationSource),
              "Calibration: fitted from this document's standards");
}

TEST(StandardPresets, SuggestNamesAndConcentrationsAfterTheMeasuredStandards) {
    EXPECT_EQ(nextStandardName("Standard-3"), "Standard-4");
    EXPECT_EQ(nextStandardName("Blank"), "Blank1");
    EXPECT_EQ(nextStandardName("S9"), "S10");
    EXPECT_EQ(nextStandardName("X99999999999999"), "X999991000000000") << "the last nine digits count";
    FixedMethodRecord method;
    SampleTable table = standards(method, {{"0.1", "1"}, {"0.2", "2"}});
    StandardPresetting presetting(table, method);
    EXPECT_EQ(presetting.suggestedName(), "Standard-3");
    EXPECT_EQ(presetting.suggestedConcentration(), 0.0);
    presetting.accept("Standard-3", 1.0);
    EXPECT_EQ(presetting.suggestedName(), "Standard-4");
    EXPECT_EQ(presetting.suggestedConcentration(), 2.0);
    presetting.accept("Standard-4", 2.0);
    EXPECT_EQ(presetting.suggestedConcentration(), 3.0);
    EXPECT_TRUE(table.preset(2));
    EXPECT_TRUE(table.preset(3));
    EXPECT_EQ(table.grid().text(3, 3), "1.0000");
    EXPECT_EQ(table.rowCount(), 2) << "presets wait beyond the measured rows";

    deletePresets(table);
    EXPECT_FALSE(anyPreset(table));
    EXPECT_EQ(table.grid().text(3, 0), "Standard-3");
    EXPECT_EQ(table.grid().text(3, 3), "");
    EXPECT_EQ(table.grid().text(2, 3), "2") << "measured rows keep theirs";
}

TEST(StandardPresets, AFullTableTakesNone) {
    FixedMethodRecord method;
    SampleTable table(true);
    table.layoutFixedPoints(method, true);
    table.setRowCount(SampleTable::kRows);
    StandardPresetting presetting(table, method);
    EXPECT_FALSE(presetting.more());
    presetting.accept("X", 1.0);
    EXPECT_FALSE(anyPreset(table));
}

// Standards at 20-60 mg/l are off the shipped chart range of 0-3: the chart follows them; a range the
// operator typed stays.
TEST(Calibration, TheChartsShippedRangeFollowsTheStandards) {
    FixedMethodRecord method;
    const SampleTable wide =
        standards(method, {{"0.2000", "20.0000"}, {"0.4000", "40.0000"}, {"0.6000", "60.0000"}});
    const CurveSettings followed = rangeFollowingStandards(CurveSettings{}, wide);
    EXPECT_EQ(followed.xMin, "0");
    EXPECT_EQ(followed.xMax, "80") << "a round number past 66";
    EXPECT_EQ(followed.yMax, "0.8") << "both axes follow the standards: a round number past 0.66";
    EXPECT_EQ(followed.yMin, "0");

    CurveSettings typed;
    typed.xMax = "100";
    EXPECT_EQ(rangeFollowingStandards(typed, wide).xMax, "100");

    const SampleTable small = standards(method, {{"0.1000", "1.0000"}, {"0.3000", "2.5000"}});
    EXPECT_EQ(rangeFollowingStandards(CurveSettings{}, small).xMax, "3") << "inside the shipped range";
    const SampleTable high = standards(method, {{"0.9000", "1.0000"}, {"2.2000", "2.5000"}});
    EXPECT_EQ(rangeFollowingStandards(CurveSettings{}, high).yMax, "2.5");
}

} // namespace
} // namespace spectavo::fixed
