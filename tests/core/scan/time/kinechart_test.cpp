// The time-scan chart's rules, its setup, its print and its settings sheet, against the values worked
// out by hand from the chart's ladders and the print layout.

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/scan/chartaxes.h"
#include "core/scan/chartlayout.h"
#include "core/scan/chartstyle.h"
#include "core/scan/displayrange.h"
#include "core/scan/scancommandrules.h"
#include "core/scan/time/kineprint.h"
#include "core/scan/time/kinesetup.h"
#include "core/scan/time/kinesheet.h"
#include "support/tempdir.h"

namespace spectavo::scan {
namespace {

CDisplayRange timeRange(float xMin, float xMax, float yMin, float yMax, bool absorbance = true) {
    CDisplayRange range;
    range.axis = ChartAxis::Time;
    range.xMin = xMin;
    range.xMax = xMax;
    range.setYRange(absorbance, yMin, yMax);
    return range;
}

TEST(KineChart, AutomaticLaddersFollowTheSpans) {
    EXPECT_EQ(timeRange(0, 100, -0.05f, 0.10f).valueTicks(true), (TickLadder{0.05, 2}));
    EXPECT_EQ(timeRange(0, 100, 0, 2).valueTicks(true).interval, 0.5);
    EXPECT_EQ(timeRange(0, 100, 0, 0.002f).valueTicks(true), (TickLadder{0.001, 3}));
    EXPECT_EQ(timeRange(0, 100, 0, 150, false).valueTicks(false), (TickLadder{20, 0, 3}));
    EXPECT_EQ(timeRange(0, 100, 0, 150, false).valueTicks(false).format(), "%3.0f");
    const TickLadder narrowT = timeRange(0, 100, 50, 52, false).valueTicks(false);
    EXPECT_EQ(narrowT.interval, 0.1);
    EXPECT_EQ(narrowT.format(), "%3.1f");
    EXPECT_EQ(timeRange(0, 120, 0, 1).xTicks().interval, 50);
    EXPECT_EQ(timeRange(0, 100, 0, 1).xTicks().interval, 10);
    EXPECT_EQ(timeRange(0, 1000, 0, 1).xTicks().interval, 100);
    EXPECT_EQ(timeRange(0, 1001, 0, 1).xTicks().interval, 500);
    EXPECT_EQ(timeRange(0, 100, 0, 1).xTicks().format(), "%.0f");
}

TEST(KineChart, ManualIntervalsLabelValuesByTheirDigitsAndSecondsWhole) {
    CDisplayRange range = timeRange(0, 10, 0, 1);
    range.manual = 1;
    range.yInterval = 0.05f;
    range.xInterval = 0.5f;
    EXPECT_EQ(range.valueTicks(true).format(), "%.2f");
    EXPECT_EQ(range.xTicks().format(), "%.0f");
    EXPECT_EQ(tickLabel(range.xTicks(), 2.5), "2") << "seconds are printed whole";
}

TEST(KineChart, AHugeTypedTimeRangeDrawsAtMostFiveHundredTicks) {
    CDisplayRange range = timeRange(0, 100000, 0, 1);
    range.manual = 1;
    range.xInterval = 1.0f;
    const std::vector<double> ticks = tickValues(range.xMin, range.xMax, range.xTicks().interval,
                                                 kWavelengthTickTolerance, range.maxTicks());
    EXPECT_EQ(ticks.size(), 500u);
    EXPECT_EQ(ticks[499], 499.0) << "tick i is first + i x interval";
}

TEST(KineChart, ZoomAndRangeDialogKeepTheirLimits) {
    DisplayHistory display(timeRange(0, 100, -1, 3));
    display.zoom(true, 20.0, 28.0, 0.5, 1.5);
    EXPECT_EQ(display.range().xMin, 0.0f) << "a band under 10 s keeps the time range";
    EXPECT_EQ(display.range().xMax, 100.0f);
    EXPECT_EQ(display.range().absMin, 0.5f) << "the value range may still change";
    EXPECT_FALSE(display.applyRangeDialog(true, 0, 100, 0, 1, true, 1.0f, 0.1f)) << "100 intervals";
    EXPECT_TRUE(display.applyRangeDialog(true, 0, 100, 0, 1, true, 2.0f, 0.1f));
    display.restore(BaseScales::loadKinetic(ProfileFile("/nonexistent/analyst.ini", false)));
    EXPECT_EQ(display.range().xMin, 0.0f);
    EXPECT_EQ(display.range().xMax, 100.0f);
    EXPECT_FALSE(display.canUndo());
}

TEST(KineChart, TheTraceCursorSnapsToAPointAndWrapsPastTheCurveAndTheAxis) {
    // A 4 s curve at 0.5 s (9 points) on a 0..100 s axis.
    EXPECT_EQ(snapTimeCursor(1.2, 4, 0.5, 9, 0.0, 100.0), 2) << "nearest point";
    EXPECT_EQ(snapTimeCursor(60.0, 4, 0.5, 9, 0.0, 100.0), 0) << "beyond the total time: time 0";
    EXPECT_EQ(snapTimeCursor(1.0, 4, 0.5, 9, 2.0, 3.0), 6) << "left of the axis: its right end, 3 s";
    EXPECT_EQ(snapTimeCursor(3.6, 4, 0.5, 9, 0.0, 3.0), 0) << "right of the axis: its left end";
    EXPECT_FALSE(snapTimeCursor(1.0, 4, 0.5, 0, 0.0, 100.0));
}

TEST(KineChart, StyleAndRangeDefaultsOfAFreshInstallation) {
    test::TempDir dir;
    ProfileFile kinetics(dir.file("kinetics.ini"), false);
    const ChartStyle style = ChartStyle::loadKinetic(kinetics);
    EXPECT_EQ(style.title, "Kinetics Analysis");
    EXPECT_EQ(style.wavelengthLegend, "Time(s)");
    EXPECT_EQ(style.valueLegendAbs, "(Abs)");
    EXPECT_EQ(style.valueLegendT, "(%)");
    EXPECT_EQ(style.frameColour, 9);
    EXPECT_EQ(style.gridColour, 1);
    EXPECT_EQ(style.gridLines, 1);
    EXPECT_EQ(style.xGridLines, 1);
    const CDisplayRange range = CDisplayRange::loadKinetic(kinetics);
    EXPECT_EQ(range.xMax, 100.0f);
    EXPECT_EQ(range.showPeaks, 1);
    EXPECT_EQ(range.showValleys, 1);

    kinetics.PutString("Legend", "Title", "A title longer than eighteen characters");
    kinetics.PutInt("Grid", "Color", 3);
    const ChartStyle set = ChartStyle::loadKinetic(kinetics);
    EXPECT_EQ(set.title, "A title longer tha");
    EXPECT_EQ(set.frameColour, 3);
    EXPECT_EQ(set.gridColour, 3);
}

TEST(KineSetup, TotalTimeMustCoverOneStepAndTheWavelengthTheInstrument) {
    const KineSetupLimits limits{190.0f, 1100.0f};
    EXPECT_EQ(checkKineSetup({340.0f, "0", "0.5"}, limits).refusal,
              "Please enter an integer between 1 and 100000.");
    EXPECT_EQ(checkKineSetup({340.0f, "59", "60s"}, limits).refusal,
              "Please enter an integer between 60 and 100000.");
    EXPECT_EQ(checkKineSetup({1200.0f, "60", "1"}, limits).refusal,
              "Please enter a number between 190 and 1100.");
    EXPECT_FALSE(checkKineSetup({340.0f, "12a", "1"}, limits).accepted);
    EXPECT_FALSE(checkKineSetup({340.0f, "-5", "1"}, limits).accepted);
    EXPECT_EQ(checkKineSetup({340.0f, "60", "nan"}, limits).refusal,
              "The step \"nan\" is not a number of seconds from 0 to 100000.");
    EXPECT_FALSE(checkKineSetup({340.0f, "60", "1e30"}, limits).accepted);
    const KineSetupCheck ok = checkKineSetup({340.0f, "60", "60s"}, limits);
    ASSERT_TRUE(ok.accepted);
    EXPECT_EQ(ok.accepted->totalTime, 60.0f);
    EXPECT_EQ(ok.accepted->step, 60.0f);
}

TEST(KineSetup, StepChoicesComeFromTheSettingsAndTheInitialOneMatchesTheStep) {
    test::TempDir dir;
    ProfileFile kinetics(dir.file("kinetics.ini"), false);
    EXPECT_EQ(kineStepChoices(kinetics), std::vector<std::string>{"0.5"});
    test::writeBytes(dir.file("kinetics.ini"),
                     "[Steps]\nSteps=4\nStep1=0.5s\nStep2=1s\nStep3=2s\nStep4=30s\n");
    const std::vector<std::string> choices = kineStepChoices(ProfileFile(dir.file("kinetics.ini"), false));
    EXPECT_EQ(choices, (std::vector<std::string>{"0.5s", "1s", "2s", "30s"}));
    EXPECT_EQ(initialStepChoice(choices, 2.0f), 2u);
    EXPECT_EQ(initialStepChoice(choices, 30.0f), 3u);
    EXPECT_EQ(initialStepChoice(choices, 7.0f), 0u);
}

CKineSpectrum printableCurve() {
    CKineSpectrum curve;
    curve.totalTime = 4;
    curve.step = 1.0f;
    curve.wavelength = 340.0f;
    curve.allocatePoints();
    curve.points() = {0.0f, 0.05f, 0.0f, 0.01f, 0.0f};
    curve.recomputeMarkers(0.03f);
    curve.setOperatorName("Ada");
    curve.setDateText("2026/12/10 09:00:00");
    curve.memo = "first line\r\nsecond line";
    return curve;
}

TEST(KinePrint, InformationBlockListsTheRateOnlyWhenTheCurveAsksForIt) {
    SpectrumPrintSettings settings;
    settings.wavelength = true;
    CKineSpectrum curve = printableCurve();
    const std::vector<InformationLine> plain = kineInformationLines(curve, settings);
    ASSERT_EQ(plain.size(), 7u);
    EXPECT_EQ(plain[0].value, "340.0nm");
    EXPECT_EQ(plain[1].value, "4s");
    EXPECT_EQ(plain[2].value, "1.0s");
    EXPECT_EQ(plain[5].label, "first line") << "memo rows without stray carriage returns";
    EXPECT_EQ(plain[6].label, "second line");
    curve.printRate = 1;
    curve.factor = 2.0f;
    curve.rateResult = -0.125f;
    const std::vector<InformationLine> rated = kineInformationLines(curve, settings);
    ASSERT_EQ(rated.size(), 12u);
    EXPECT_EQ(rated[3].label, "Begin Time:");
    EXPECT_EQ(rated[5].label, "Factor:");
    EXPECT_EQ(rated[5].value, "2.000000e+00 (I.U. per Abs/min)") << "the factor's unit";
    EXPECT_EQ(rated[6].label, "I.U:");
    EXPECT_EQ(rated[6].value, "-1.250000e-01 per minute") << "the rate's number as kept, and its unit";
    EXPECT_EQ(rated[7].label, "R:");
}

TEST(KinePrint, DataPagesListEveryPointOrOnlyTheShownMarks) {
    const CKineSpectrum curve = printableCurve();
    CDisplayRange range = timeRange(0, 100, 0, 1);
    range.showPeaks = range.showValleys = 0;
    EXPECT_EQ(kinePrintedPoints(curve, range), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    range.showPeaks = 1;
    EXPECT_EQ(kinePrintedPoints(curve, range), std::vector<std::size_t>{1});
    range.showValleys = 1;
    range.xMax = 1.5f;
    EXPECT_EQ(kinePrintedPoints(curve, range), std::vector<std::size_t>{1})
        << "valley at 2 s is off the chart";
    const DataRowTexts row = kineDataRowTexts(curve, 1, true);
    EXPECT_EQ(row.wavelength, "1.0s");
    EXPECT_EQ(row.value, "0.0500");
    EXPECT_EQ(row.mark, " P");
    EXPECT_EQ(kineDataRowTexts(curve, 0, false).value, "100.00");
}

TEST(KinePrint, TitleGoesOnTheFirstDataPageAndLandscapeBlockAtEightyPercent) {
    test::TempDir dir;
    ProfileFile kinetics(dir.file("kinetics.ini"), false);
    ProfileFile analyst(dir.file("analyst.ini"), false);
    kinetics.PutInt("Print", "PrintSpectrum", 0);
    const SpectrumPrintSettings s = loadKinePrintSettings(kinetics, analyst);
    EXPECT_FALSE(s.chartPage);
    EXPECT_TRUE(s.dataPages);
    EXPECT_EQ(s.dataTitle, "Kinetics Analysis");
    EXPECT_EQ(informationBlockOrigin(1000, 700, 20, 30), (BlockOrigin{800, 45}));
}

TEST(KineSheet, AnUnchangedSheetChangesNeitherTheChartNorTheCurve) {
    test::TempDir dir;
    ProfileFile kinetics(dir.file("kinetics.ini"), false);
    ProfileFile analyst(dir.file("analyst.ini"), false);
    CKineSpectrum curve = printableCurve();
    curve.setSampleName("run 1");
    DisplayHistory display(CDisplayRange::loadKinetic(kinetics));
    ChartFonts fonts;
    const ChartStyle before = ChartStyle::loadKinetic(kinetics);
    const SpectrumSheet sheet = presetKineSheet(display.range(), true, &curve, kinetics, analyst, fonts);
    EXPECT_EQ(sheet.wavelengthLegend, "Time(s)");
    EXPECT_EQ(sheet.rangeText, "4s");
    ASSERT_TRUE(sheet.rate);
    EXPECT_EQ(applyKineSheet(sheet, display, true, &curve, kinetics, analyst, fonts), "");
    const ChartStyle after = ChartStyle::loadKinetic(kinetics);
    EXPECT_EQ(after.frameColour, before.frameColour) << "the frame keeps its own colour";
    EXPECT_EQ(after.gridColour, before.gridColour);
    EXPECT_EQ(after.wavelengthLegend, before.wavelengthLegend);
    EXPECT_FALSE(curve.modified);
}

TEST(KineSheet, RatePageChecksItsRangeAndExchangesAReversedOne) {
    CKineSpectrum curve = printableCurve();
    SpectrumSheet::Rate rate = rateFieldsOf(curve);
    rate.begin = 5.0f; // beyond the 4 s curve
    EXPECT_EQ(rateRangeRefusal(rate), "Please enter a number between 0 and 4.");
    EXPECT_FALSE(applyRateFields(curve, rate));
    EXPECT_EQ(curve.beginTime, 0.0f) << "nothing taken over";
    rate.begin = 4.0f;
    rate.end = 1.0f;
    ASSERT_TRUE(applyRateFields(curve, rate));
    EXPECT_EQ(curve.beginTime, 1.0f);
    EXPECT_EQ(curve.endTime, 4.0f);
}

// OK keeps the I.U. and R the operator typed; only "Calculate" computes them from the range.
TEST(KineSheet, TypedRateValuesStayUnlessCalculateIsPressed) {
    CKineSpectrum curve = printableCurve();
    SpectrumSheet::Rate rate = rateFieldsOf(curve);
    rate.begin = 1.0f;
    rate.end = 3.0f;
    rate.factor = 2.0f;
    rate.result = 123.5f;
    rate.r = 0.25f;
    ASSERT_TRUE(applyRateFields(curve, rate));
    EXPECT_EQ(curve.rateResult, 123.5f);
    EXPECT_EQ(curve.r, 0.25f);
    EXPECT_EQ(curve.factor, 2.0f);
    EXPECT_EQ(curve.beginTime, 1.0f);
    ASSERT_TRUE(calculateRateFields(curve, rate));
    EXPECT_NE(curve.rateResult, 123.5f) << "computed over 1..3 s";
    const float computed = curve.rateResult;
    // A refused range changes nothing, typed values included.
    rate.end = 9.0f;
    rate.result = 7.0f;
    EXPECT_FALSE(applyRateFields(curve, rate));
    EXPECT_FALSE(calculateRateFields(curve, rate));
    EXPECT_EQ(curve.rateResult, computed);
    EXPECT_EQ(curve.endTime, 3.0f);
}

TEST(KineSheet, EditingTheCurvesTextsOnTheSheetMarksItModified) {
    test::TempDir dir;
    ProfileFile kinetics(dir.file("kinetics.ini"), false);
    ProfileFile analyst(dir.file("analyst.ini"), false);
    CKineSpectrum curve = printableCurve();
    DisplayHistory display(CDisplayRange::loadKinetic(kinetics));
    ChartFonts fonts;
    SpectrumSheet sheet = presetKineSheet(display.range(), true, &curve, kinetics, analyst, fonts);
    sheet.memo = "new memo";
    applyKineSheet(sheet, display, true, &curve, kinetics, analyst, fonts);
    EXPECT_TRUE(curve.modified);
    EXPECT_EQ(curve.memo, "new memo");
}

TEST(KineCommands, TheSetupNeedsAnIdleLinkAndStartIsCheckedWhileSampling) {
    ScanWindowState state;
    EXPECT_FALSE(kineCommandState(kSetup, state).enabled);
    state.setupAvailable = true;
    EXPECT_TRUE(kineCommandState(kSetup, state).enabled);
    state.sampling = true;
    EXPECT_TRUE(kineCommandState(kStart, state).checked);
    EXPECT_FALSE(kineCommandState(kSearch, state).enabled) << "no curve to trace";
    state.spectrumCount = 2;
    EXPECT_TRUE(kineCommandState(kAdd, state).enabled);
    EXPECT_FALSE(kineCommandState(kDerivative, state).enabled) << "the current curve is being measured";
}

} // namespace
} // namespace spectavo::scan
