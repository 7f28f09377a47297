#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/scan/recordlist.h"
#include "core/scan/scanoperations.h"
#include "core/scan/time/kinecompute.h"
#include "core/scan/wave/wavecompute.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

// New records read their defaults from the settings: give them an empty program directory.
class ScanMathTest : public ::testing::Test {
protected:
    ScanMathTest() { std::filesystem::create_directories(dir.path() + "/bin"); }
    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
};

scan::CWaveSpectrum spectrumOf(float start, float end, float step, float (*f)(float)) {
    scan::CWaveSpectrum spectrum;
    spectrum.start = start;
    spectrum.end = end;
    spectrum.step = step;
    spectrum.colour = 0x00FF00;
    spectrum.name = "source";
    spectrum.allocatePoints();
    for (std::size_t i = 0; i < spectrum.points().size(); ++i)
        spectrum.points()[i] = f(spectrum.wavelengthAt(i));
    return spectrum;
}

TEST_F(ScanMathTest, SavitzkyGolayReproducesAStraightLineAndNamesTheResult) {
    const scan::CWaveSpectrum line = spectrumOf(400.0f, 420.0f, 1.0f, [](float x) { return 0.001f * x; });
    const auto result = savitzkyGolaySpectrum(line, 2, 0, 2, "line-SavGol", 0.03f);
    ASSERT_TRUE(result.has_value());
    for (std::size_t i = 0; i < line.points().size(); ++i)
        EXPECT_NEAR(result->points()[i], line.points()[i], 1e-5) << i;
    EXPECT_EQ(result->name, "line-SavGol");
    EXPECT_EQ(result->sampleName(), "line-SavGol");
    EXPECT_EQ(result->colour, 0x00FF00u) << "a derived spectrum keeps its source's colour";
    EXPECT_TRUE(result->modified);
    EXPECT_EQ(result->marks().size(), line.points().size());
}

TEST_F(ScanMathTest, DerivativeOfASquareAndSmoothing) {
    const scan::CWaveSpectrum square = spectrumOf(0.0f, 7.0f, 1.0f, [](float x) { return x * x; });
    const auto second = derivativeSpectrum(square, 2, "d2", 0.03f);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->points(), (std::vector<float>{2, 2, 2, 2, 2, 2, 0, 0}));

    const scan::CWaveSpectrum ramp = spectrumOf(0.0f, 9.0f, 1.0f, [](float x) { return x; });
    const auto smooth = smoothSpectrum(ramp, 3, "s", 0.03f);
    ASSERT_TRUE(smooth.has_value());
    EXPECT_FLOAT_EQ(smooth->points()[0], 1.5f);
    EXPECT_FLOAT_EQ(smooth->points()[4], 4.0f);
}

TEST_F(ScanMathTest, ResamplingKeepsStartAndEndAndTakesEveryKthPoint) {
    scan::CWaveSpectrum spectrum = spectrumOf(190.0f, 1100.0f, 1.0f, [](float x) { return x; });
    ASSERT_TRUE(resampleSpectrum(spectrum, 3, 0.03f));
    EXPECT_EQ(spectrum.step, 3.0f);
    EXPECT_EQ(spectrum.points().size(), 304u);
    EXPECT_EQ(spectrum.points().back(), 1099.0f);
    EXPECT_EQ(spectrum.end, 1100.0f);
    EXPECT_TRUE(spectrum.modified);
}

TEST_F(ScanMathTest, ArithmeticNeedsTheSameGridAndKeepsTheDividendAtZeros) {
    const scan::CWaveSpectrum a = spectrumOf(400.0f, 402.0f, 1.0f, [](float x) { return x - 399.0f; });
    scan::CWaveSpectrum b = spectrumOf(400.0f, 402.0f, 1.0f, [](float) { return 2.0f; });
    b.points()[1] = 0.0f;
    const auto quotient = spectrumArithmetic(a, b, scan::SpectrumOperation::Divide, "ratio", 0.03f);
    ASSERT_TRUE(quotient.has_value());
    EXPECT_EQ(quotient->points(), (std::vector<float>{0.5f, 2.0f, 1.5f}));
    EXPECT_EQ(quotient->name, "ratio");
    EXPECT_EQ(quotient->sampleName(), scan::CWaveSpectrum::kDefaultSampleName);

    const scan::CWaveSpectrum fine = spectrumOf(400.0f, 402.0f, 0.5f, [](float) { return 1.0f; });
    EXPECT_FALSE(spectrumArithmetic(a, fine, scan::SpectrumOperation::Add, "sum", 0.03f).has_value());
}

TEST_F(ScanMathTest, AcquiringSpectraAreLeftAlone) {
    scan::CWaveSpectrum spectrum = spectrumOf(400.0f, 410.0f, 1.0f, [](float x) { return x; });
    spectrum.acquiring = true;
    EXPECT_FALSE(smoothSpectrum(spectrum, 3, "s", 0.03f).has_value());
    EXPECT_FALSE(resampleSpectrum(spectrum, 2, 0.03f));
}

scan::CKineSpectrum curveOf(int totalTime, float step, float (*f)(float)) {
    scan::CKineSpectrum curve;
    curve.totalTime = totalTime;
    curve.step = step;
    curve.name = "run";
    curve.allocatePoints();
    for (std::size_t i = 0; i < curve.points().size(); ++i)
        curve.points()[i] = f(static_cast<float>(i) * step);
    curve.count = static_cast<int>(curve.points().size());
    return curve;
}

TEST_F(ScanMathTest, RateOfARisingLineAndTheRangeExchange) {
    scan::CKineSpectrum curve = curveOf(60, 0.5f, [](float t) { return 0.2f + 0.01f * t; });
    EXPECT_FALSE(setRateRange(curve, 70.0f, 20.0f, 1.0f)) << "beyond the 60 s curve";
    EXPECT_EQ(curve.beginTime, 0.0f) << "nothing taken over";
    EXPECT_TRUE(setRateRange(curve, 40.0f, 20.0f, 1.0f));
    EXPECT_EQ(curve.beginTime, 20.0f);
    EXPECT_EQ(curve.endTime, 40.0f);
    EXPECT_NEAR(curve.rateResult, 0.6f, 1e-4);
    EXPECT_NEAR(curve.r, 1.0f, 1e-6);
}

TEST_F(ScanMathTest, CurveProcessing) {
    const scan::CKineSpectrum squares = curveOf(4, 1.0f, [](float t) { return t * t; });
    const auto difference = differenceCurve(squares, 2, "d", 0.03f);
    ASSERT_TRUE(difference.has_value());
    EXPECT_EQ(difference->points(), (std::vector<float>{2, 2, 2, 0, 0}));
    EXPECT_EQ(difference->wavelength, 656.1f) << "a derived curve starts from the initial values";

    const scan::CKineSpectrum doubling = curveOf(4, 1.0f, [](float t) { return std::pow(2.0f, t); });
    const auto average = movingAverageCurve(doubling, 4, "s", 0.03f);
    ASSERT_TRUE(average.has_value());
    EXPECT_FLOAT_EQ(average->points()[0], 1.5f);
    EXPECT_FLOAT_EQ(average->points()[2], 3.75f);

    const scan::CKineSpectrum line = curveOf(15, 0.5f, [](float t) { return 0.01f * t; });
    const auto slope = savitzkyGolayCurve(line, 4, 1, 5, "slope", 0.03f);
    ASSERT_TRUE(slope.has_value());
    for (float value : slope->points())
        EXPECT_NEAR(value, 0.01f, 1e-5) << "per second";
}

TEST_F(ScanMathTest, CurveResamplingKeepsTheLastPoint) {
    scan::CKineSpectrum curve = curveOf(60, 0.5f, [](float t) { return 1.0f + t; });
    ASSERT_TRUE(resampleCurve(curve, 2, 0.03f));
    EXPECT_EQ(curve.step, 1.0f);
    EXPECT_EQ(curve.points().size(), 61u);
    EXPECT_EQ(curve.points().back(), 61.0f);
    EXPECT_EQ(curve.count.load(), 61);
}

TEST_F(ScanMathTest, CurveArithmeticNeedsTheSameTimeGrid) {
    const scan::CKineSpectrum a = curveOf(10, 1.0f, [](float t) { return t; });
    const scan::CKineSpectrum b = curveOf(20, 1.0f, [](float t) { return t; });
    EXPECT_FALSE(curveArithmetic(a, b, scan::CurveOperation::Add, "sum", 0.03f).has_value());
    const auto difference = curveArithmetic(a, a, scan::CurveOperation::Subtract, "zero", 0.03f);
    ASSERT_TRUE(difference.has_value());
    EXPECT_EQ(difference->points(), std::vector<float>(11, 0.0f));
}

// The table behind the Compute menus and the client's `math`: every entry is found by its word, runs
// on spectra (and on curves where a curve menu offers it), and gives what the functions give.
TEST_F(ScanMathTest, EveryOperationOfTheTableRunsOnItsRecordKinds) {
    std::set<std::string> words;
    for (const scan::OperationInfo &info : scan::operations()) {
        EXPECT_EQ(scan::operationNamed(info.clientName), &info);
        EXPECT_TRUE(words.insert(info.clientName).second) << "one word per operation: " << info.clientName;
        scan::CWaveSpectrum first = spectrumOf(400.0f, 440.0f, 1.0f, [](float x) { return 0.01f * x; });
        const scan::CWaveSpectrum second = spectrumOf(400.0f, 440.0f, 1.0f, [](float) { return 2.0f; });
        const auto spectra = scan::applyToSpectra(info, {}, first, &second, "result", 0.03f);
        EXPECT_TRUE(spectra.applied) << info.clientName;
        EXPECT_EQ(spectra.derived.has_value(), !info.inPlace) << info.clientName;
        scan::CKineSpectrum curve = curveOf(60, 1.0f, [](float t) { return 0.01f * t; });
        const scan::CKineSpectrum other = curveOf(60, 1.0f, [](float) { return 1.0f; });
        const auto curves = scan::applyToCurves(info, {}, curve, &other, "result", 0.03f);
        EXPECT_EQ(curves.applied, info.curveMenuText != nullptr) << info.clientName;
    }
    EXPECT_EQ(scan::operationNamed("bogus"), nullptr);
    std::vector<std::string> curveMenu;
    for (const scan::OperationInfo *info : scan::curveOperations())
        curveMenu.push_back(info->clientName);
    EXPECT_EQ(curveMenu,
              (std::vector<std::string>{"add", "sub", "derivative", "smooth", "savgol", "resample"}))
        << "the time-scan menu lists the arithmetic first";
}

TEST_F(ScanMathTest, TheTableGivesWhatTheFunctionsGive) {
    const scan::CWaveSpectrum source =
        spectrumOf(400.0f, 440.0f, 1.0f, [](float x) { return 0.001f * x * x; });
    scan::CWaveSpectrum first = source;
    scan::OperationParameters parameters;
    parameters.passes = 2;
    const auto viaTable =
        scan::applyToSpectra(*scan::operationNamed("derivative"), parameters, first, nullptr, "d", 0.03f);
    const auto direct = derivativeSpectrum(source, 2, "d", 0.03f);
    ASSERT_TRUE(viaTable.derived && direct);
    EXPECT_EQ(viaTable.derived->points(), direct->points());
    const auto divided = scan::applyToSpectra(*scan::operationNamed("div"), {}, first, nullptr, "q", 0.03f);
    EXPECT_FALSE(divided.applied) << "arithmetic without its second spectrum";
}

TEST(RecordListModel, NewRecordsGoInFrontAndTheCurrentFollowsItsRecord) {
    scan::RecordList<scan::CWaveSpectrum> list;
    auto make = [](const char *name) {
        auto spectrum = std::make_unique<scan::CWaveSpectrum>();
        spectrum->name = name;
        return spectrum;
    };
    list.insertFront(make("a"));
    list.insertFront(make("b"));
    ASSERT_EQ(list.currentIndex(), 1u);
    EXPECT_EQ(list.current()->name, "a");
    list.insertFront(make("a"));
    EXPECT_EQ(list.findByName("a"), 0u) << "the first in list order";
    list.remove(0);
    EXPECT_EQ(list.current()->name, "a");
    list.remove(1);
    list.remove(0);
    EXPECT_EQ(list.current(), nullptr);
}

} // namespace
} // namespace spectavo
