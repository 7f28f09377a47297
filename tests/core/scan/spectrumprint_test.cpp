// The print layout and the settings sheet of the wavelength-scan window, without a display.

#include <cmath>

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/scan/spectrumprint.h"
#include "core/scan/spectrumsheet.h"
#include "support/tempdir.h"

namespace spectavo::scan {
namespace {

CWaveSpectrum rampSpectrum() {
    CWaveSpectrum spectrum;
    spectrum.start = 400.0f;
    spectrum.end = 500.0f;
    spectrum.step = 1.0f;
    spectrum.allocatePoints();
    for (std::size_t i = 0; i < spectrum.points().size(); ++i)
        spectrum.points()[i] = 0.5f + 0.4f * std::sin(static_cast<float>(i) / 8.0f);
    spectrum.recomputeMarks(0.03f);
    return spectrum;
}

TEST(SpectrumPrint, DataPagesFillColumnsThenPages) {
    // u 10, h 10, title 20 on a 200 x 200 page: the table starts at 70, rows every 15 while y + 10 stays
    // within 190 (8 rows), columns at x = 10, 50, 90, 130 (the next, 170, would end past 200).
    const DataTableMetrics metrics{10, 10, 20, 200, 200};
    std::vector<std::size_t> points(70);
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = i;
    const std::vector<DataPage> pages = layoutDataPages(points, metrics);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].rows.size(), 32u);
    EXPECT_EQ(pages[1].rows.size(), 32u);
    EXPECT_EQ(pages[2].rows.size(), 6u);
    EXPECT_EQ(pages[0].rows[0].x, 10);
    EXPECT_EQ(pages[0].rows[0].y, 70);
    EXPECT_EQ(pages[0].rows[7].y, 175);
    EXPECT_EQ(pages[0].rows[8].x, 50);
    EXPECT_EQ(pages[0].rows[8].y, 70);
    EXPECT_EQ(pages[0].rows[31].x, 130);
    EXPECT_EQ(pages[1].rows[0].point, 32u) << "the next page goes on with the following point";

    EXPECT_TRUE(layoutDataPages({}, metrics).empty());
    EXPECT_TRUE(layoutDataPages(points, {10, 10, 20, 200, 50}).empty())
        << "no row fits: no pages, no endless loop";
}

TEST(SpectrumPrint, OnlyPointsInsideTheChartAndThroughTheListFilter) {
    const CWaveSpectrum spectrum = rampSpectrum();
    CDisplayRange range;
    range.xMin = 450.0f;
    range.xMax = 460.0f;
    const std::vector<std::size_t> inside = printedPoints(spectrum, range);
    ASSERT_EQ(inside.size(), 11u);
    EXPECT_EQ(inside.front(), 50u);
    range.xMin = 190.0f;
    range.xMax = 1100.0f;
    range.showPeaks = 1;
    const std::vector<std::size_t> peaks = printedPoints(spectrum, range);
    ASSERT_FALSE(peaks.empty());
    for (std::size_t point : peaks)
        EXPECT_EQ(spectrum.marks()[point], 100);
    EXPECT_EQ(dataRowTexts(spectrum, peaks[0], true).mark, " P");
    const DataRowTexts row = dataRowTexts(spectrum, 0, false);
    EXPECT_EQ(row.wavelength, "400.0nm");
    EXPECT_EQ(row.value, "31.62") << "10^(2 - 0.5) percent";
}

// Values start one blank behind the widest label that has a value, so a longer translated label
// ("Schrittweite:") pushes them right instead of running into them; memo rows do not count.
TEST(SpectrumPrint, ValuesStartABlankBehindTheWidestLabel) {
    const auto characters = [](const std::string &text) { return static_cast<int>(text.size()) * 10; };
    EXPECT_EQ(informationValueOffset({{"Scan Range:", "200.0-800.0nm"}, {"Operator:", "Ann"}}, characters),
              120);
    EXPECT_EQ(informationValueOffset({{"Scanbereich:", "200.0-800.0nm"},
                                      {"Schrittweite:", "1.0nm"},
                                      {"A memo row that is much wider than any label", ""}},
                                     characters),
              140);
    EXPECT_EQ(informationValueOffset({}, characters), 0);
}

TEST(SpectrumPrint, InformationBlockAndMemoRows) {
    CWaveSpectrum spectrum = rampSpectrum();
    spectrum.filter = 2;
    spectrum.setOperatorName("K. Ito");
    spectrum.setDateText("December 09 10:00:00 2026");
    spectrum.memo = "first line\r\nsecond line";
    SpectrumPrintSettings settings;
    settings.step = false;
    const std::vector<InformationLine> lines = informationLines(spectrum, settings);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].label, "Scan Range:");
    EXPECT_EQ(lines[0].value, "400.0-500.0nm");
    EXPECT_EQ(lines[1].label, "Scan Filter:");
    EXPECT_EQ(lines[2].value, "K. Ito");
    EXPECT_EQ(lines[3].label, "Scan Time:");
    EXPECT_EQ(lines[4].label, "first line");
    EXPECT_EQ(lines[5].label, "second line");
    EXPECT_EQ(memoRows("\r only \r\nx"), (std::vector<std::string>{" only ", "x"}));
}

class SpectrumSheetTest : public ::testing::Test {
protected:
    test::TempDir dir;
    ProfileFile wavescan{dir.file("wavescan.ini"), false};
    ProfileFile analyst{dir.file("analyst.ini"), false};
    DisplayHistory display;
    ChartFonts fonts;
};

TEST_F(SpectrumSheetTest, ConfirmedUnchangedOnAFreshInstallationKeepsTheChartsLook) {
    const SpectrumSheet sheet =
        SpectrumSheet::preset(display.range(), true, nullptr, wavescan, analyst, fonts);
    EXPECT_EQ(sheet.title, "Title");
    EXPECT_EQ(sheet.apply(display, true, nullptr, wavescan, analyst, fonts), "");
    const ChartStyle style = ChartStyle::load(wavescan);
    EXPECT_EQ(style.gridLines, 1) << "grid lines stay on";
    EXPECT_EQ(style.gridColour, 2) << "the frame stays visible on the white chart";
    EXPECT_EQ(wavescan.GetInt("Curve", "ThisColor", -1), 4) << "new scans keep their colour";
    EXPECT_EQ(display.undoDepth(), 1u);
    EXPECT_EQ(display.range(), CDisplayRange{});
}

TEST_F(SpectrumSheetTest, DenseManualIntervalsAreSwitchedOffWithAMessage) {
    SpectrumSheet sheet = SpectrumSheet::preset(display.range(), true, nullptr, wavescan, analyst, fonts);
    sheet.manual = true;
    sheet.xInterval = "100";
    sheet.yInterval = "0.001"; // 4000 ticks over -1..3
    EXPECT_EQ(sheet.apply(display, true, nullptr, wavescan, analyst, fonts), SpectrumSheet::kTooDense);
    EXPECT_EQ(display.range().manual, 0);
    EXPECT_EQ(wavescan.GetInt("Grid", "ManualSet", -1), 0);
    sheet.yInterval = "0.5";
    EXPECT_EQ(sheet.apply(display, true, nullptr, wavescan, analyst, fonts), "");
    EXPECT_EQ(display.range().manual, 1);
    EXPECT_FLOAT_EQ(display.range().yInterval, 0.5f);
}

TEST_F(SpectrumSheetTest, TitleAndTextsGoToTheCurrentSpectrum) {
    CWaveSpectrum spectrum = rampSpectrum();
    spectrum.setSampleName("Run 4");
    SpectrumSheet sheet = SpectrumSheet::preset(display.range(), false, &spectrum, wavescan, analyst, fonts);
    EXPECT_EQ(sheet.title, "Run 4");
    EXPECT_EQ(sheet.rangeText, "[400.0,500.0]nm");
    sheet.title = "Holmium glass";
    sheet.operatorText = "An operator with a much longer name";
    sheet.memo = "checked";
    sheet.yMin = 120.0f; // given in reverse
    sheet.yMax = 10.0f;
    sheet.apply(display, false, &spectrum, wavescan, analyst, fonts);
    EXPECT_EQ(spectrum.sampleName(), "Holmium glass");
    EXPECT_EQ(spectrum.operatorName(), "An operator with a m");
    EXPECT_EQ(spectrum.memo, "checked");
    EXPECT_EQ(display.range().tMin, 10.0f);
    EXPECT_EQ(display.range().tMax, 120.0f);
    EXPECT_EQ(display.range().absMax, 3.0f) << "the other mode's range is untouched";
}

// A4 portrait at 600 dpi (4961 x 7016): a tenth in, and half down plus half a line, measured on the
// whole page whatever the foot takes; landscape: eight tenths across, a title and a half down.
TEST(InformationBlock, StartsWhereThePageSaysNotWhereTheFootLeavesTheArea) {
    EXPECT_EQ(informationBlockOrigin(4961, 7016, 100, 120), (BlockOrigin{496, 3508 + 50}));
    EXPECT_EQ(informationBlockOrigin(7016, 4961, 100, 120), (BlockOrigin{5612, 180}));
    EXPECT_EQ(informationBlockOrigin(4961, 7016, -100, 120), (BlockOrigin{496, 3558})) << "a negative height";
}

} // namespace
} // namespace spectavo::scan
