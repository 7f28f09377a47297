// Every grid the program writes reads back as the same grid: each wavelength step of the shipped scan
// settings across 190-1100 nm and each time step of the shipped kinetics settings, through CSV and
// JCAMP-DX.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "core/config/inidocument.h"
#include "core/scan/exchangeformats.h"
#include "core/scan/seriesconversion.h"
#include "core/strings/cformat.h"

namespace spectavo {
namespace {

std::vector<std::string> shippedSteps(const char *file) {
    std::ifstream in(std::string(SPECTAVO_SOURCE_DIR "/config/") + file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const IniDocument ini = IniDocument::parse(text.str());
    std::vector<std::string> steps;
    const int count = std::stoi(std::string(ini.value("Steps", "Steps").value_or("0")));
    for (int i = 1; i <= count; ++i)
        steps.emplace_back(ini.value("Steps", "Step" + std::to_string(i)).value_or(""));
    return steps;
}

float absorbanceAt(std::size_t i) {
    return static_cast<float>(0.8 + 0.7 * std::sin(0.013 * static_cast<double>(i)));
}

scan::CWaveSpectrum fullRangeSpectrum(float step) {
    scan::CWaveSpectrum spectrum = scan::CWaveSpectrum::makeNew();
    spectrum.start = 190.0f;
    spectrum.end = 1100.0f;
    spectrum.step = step;
    EXPECT_TRUE(spectrum.allocatePoints());
    for (std::size_t i = 0; i < spectrum.points().size(); ++i)
        spectrum.points()[i] = absorbanceAt(i);
    return spectrum;
}

// The i-th x of a grid in tenths of a unit, written as six decimals: computed in integers, so it is
// independent of the writer's floating point.
std::string tenthsText(long tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "00000";
}

void expectSameGrid(const scan::CWaveSpectrum &original, const scan::CWaveSpectrum &read,
                    const std::string &how) {
    EXPECT_EQ(read.start, original.start) << how;
    EXPECT_EQ(read.end, original.end) << how;
    EXPECT_EQ(read.step, original.step) << how;
    ASSERT_EQ(read.points().size(), original.points().size()) << how;
    for (std::size_t i = 0; i < read.points().size(); ++i)
        ASSERT_NEAR(read.points()[i], original.points()[i], 1e-6) << how << " point " << i;
}

TEST(ExchangeGrid, EveryShippedWavelengthStepRoundTripsAcrossTheWholeRange) {
    const std::vector<std::string> steps = shippedSteps("tarvesta.zav.func.wavescan.ini");
    ASSERT_GE(steps.size(), 6u) << "the shipped settings offer the instrument's steps";
    for (const std::string &stepText : steps) {
        const float step = strings::scanFloatC(stepText);
        const scan::CWaveSpectrum original = fullRangeSpectrum(step);
        const std::string csv = csvText(seriesOf(original));

        // The file holds the round wavelengths, however far the grid runs.
        const long stepTenths = std::lround(static_cast<double>(step) * 10.0);
        std::istringstream lines(csv);
        std::string line;
        std::getline(lines, line);
        for (long i = 0; std::getline(lines, line); ++i)
            ASSERT_EQ(line.substr(0, line.find(',')), tenthsText(1900 + i * stepTenths)) << stepText;

        std::string error;
        const auto fromCsv = scan::parseCsv(csv, &error);
        ASSERT_TRUE(fromCsv.has_value()) << stepText << ": " << error;
        scan::CWaveSpectrum readCsv = scan::CWaveSpectrum::makeNew();
        ASSERT_TRUE(fillSpectrum(*fromCsv, readCsv)) << stepText;
        expectSameGrid(original, readCsv, "CSV " + stepText);

        const auto fromJcamp = scan::parseJcamp(jcampText(seriesOf(original)), &error);
        ASSERT_TRUE(fromJcamp.has_value()) << stepText << ": " << error;
        scan::CWaveSpectrum readJcamp = scan::CWaveSpectrum::makeNew();
        ASSERT_TRUE(fillSpectrum(*fromJcamp, readJcamp)) << stepText;
        expectSameGrid(original, readJcamp, "JCAMP " + stepText);
    }
}

TEST(ExchangeGrid, EveryShippedTimeStepRoundTripsAnHourLongCurve) {
    const std::vector<std::string> steps = shippedSteps("tarvesta.zav.func.kinetics.ini");
    ASSERT_GE(steps.size(), 7u);
    for (const std::string &stepText : steps) {
        scan::CKineSpectrum original = scan::CKineSpectrum::makeNew();
        original.step = strings::scanFloatC(stepText);
        original.totalTime = 3600;
        ASSERT_TRUE(original.allocatePoints()) << stepText;
        for (std::size_t i = 0; i < original.points().size(); ++i)
            original.points()[i] = absorbanceAt(i);
        original.count = static_cast<int>(original.points().size());

        std::string error;
        const auto series = scan::parseCsv(csvText(seriesOf(original)), &error);
        ASSERT_TRUE(series.has_value()) << stepText << ": " << error;
        EXPECT_TRUE(series->timeAxis);
        scan::CKineSpectrum read = scan::CKineSpectrum::makeNew();
        ASSERT_TRUE(fillCurve(*series, read)) << stepText;
        EXPECT_EQ(read.step, original.step) << stepText;
        EXPECT_EQ(read.totalTime, 3600) << stepText;
        EXPECT_EQ(read.points().size(), original.points().size()) << stepText;
    }
}

// The tolerance follows the digits a file was written with: rounding a fine grid to six decimals is
// still the grid, a point that is off by more than the rounding is not.
TEST(ExchangeGrid, TheSpacingToleranceMatchesTheWrittenDigits) {
    std::string rounded = "Wavelength,Abs\n";
    for (int i = 0; i < 3000; ++i)
        rounded += strings::formatC("%.6f,0.5\n", 1000.0 + i / 300.0); // six decimals: off by 3 x 1e-4 step
    const auto read = scan::parseCsv(rounded);
    ASSERT_TRUE(read.has_value());
    EXPECT_NEAR(read->step, 1.0 / 300.0, 1e-9);

    EXPECT_FALSE(scan::parseCsv("x,y\n190.0,1\n190.1,1\n190.3,1\n").has_value())
        << "one written decimal never excuses a missing point";
    EXPECT_FALSE(scan::parseCsv("x,y\n1000.00000,1\n1000.10000,1\n1000.20100,1\n1000.30000,1\n").has_value())
        << "an x 0.001 off a 0.1 grid is uneven";
    EXPECT_TRUE(scan::parseCsv("x,y\n1.9e2,1\n1.901e2,1\n1.902e2,1\n").has_value()) << "exponent forms";
}

} // namespace
} // namespace spectavo
