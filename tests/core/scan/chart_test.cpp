#include <cmath>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/scan/chartaxes.h"
#include "core/scan/chartlayout.h"
#include "core/scan/chartstyle.h"
#include "core/scan/columnreduction.h"
#include "core/scan/displayrange.h"
#include "support/tempdir.h"

namespace spectavo::scan {
namespace {

std::vector<std::string> labels(const TickLadder &ladder, double min, double max, double tolerance) {
    std::vector<std::string> out;
    for (double tick : tickValues(min, max, ladder.interval, tolerance))
        out.push_back(tickLabel(ladder, tick));
    return out;
}

TEST(ChartTicks, AbsorbanceLaddersFollowTheSpan) {
    const TickLadder whole = automaticAbsorbanceTicks(3.0 - -1.0);
    EXPECT_EQ(whole.interval, 1.0);
    EXPECT_EQ(whole.format(), "%.0f");
    EXPECT_EQ(labels(whole, -1, 3, kValueTickTolerance),
              (std::vector<std::string>{"-1", "0", "1", "2", "3"}));
    const TickLadder narrow = automaticAbsorbanceTicks(0.15);
    EXPECT_EQ(narrow.interval, 0.05);
    EXPECT_EQ(narrow.format(), "%.2f");
    EXPECT_EQ(labels(narrow, 0.40, 0.55, kValueTickTolerance),
              (std::vector<std::string>{"0.40", "0.45", "0.50", "0.55"}))
        << "ticks on both edges survive rounding";
}

TEST(ChartTicks, WavelengthLadderStartsAtTheFirstMultiple) {
    const TickLadder full = automaticWavelengthTicks(1100.0 - 190.0);
    EXPECT_EQ(full.format(), "%.f");
    const auto ticks = tickValues(190, 1100, full.interval, kWavelengthTickTolerance);
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_EQ(ticks.front(), 200.0);
    EXPECT_EQ(ticks.back(), 1100.0);
    EXPECT_EQ(tickValues(195, 240, 10, kWavelengthTickTolerance).front(), 200.0);
    EXPECT_EQ(tickValues(200, 240, 10, kWavelengthTickTolerance).front(), 200.0) << "a tick on the edge";
    EXPECT_EQ(automaticWavelengthTicks(150).interval, 50.0);
    EXPECT_EQ(automaticWavelengthTicks(10).interval, 1.0);
}

TEST(ChartTicks, ManualIntervalsGetTheDecimalsTheyNeed) {
    EXPECT_EQ(manualTicks(0.25).format(), "%.1f");
    EXPECT_EQ(manualTicks(0.05).format(), "%.2f");
    EXPECT_EQ(manualTicks(1).format(), "%.f");
    EXPECT_EQ(manualTicks(50).format(), "%.f");
    EXPECT_EQ(manualTicks(0.001).format(), "%.3f") << "log10 of 0.001 rounds just below -3";
}

TEST(ChartTicks, TransmittanceLadderPadsWholeNumbers) {
    const TickLadder full = automaticTransmittanceTicks(150);
    EXPECT_EQ(full.format(), "%3.0f");
    EXPECT_EQ(labels(full, 0, 150, kValueTickTolerance).front(), "  0");
    EXPECT_EQ(automaticTransmittanceTicks(1.5).format(), "%.1f");
    EXPECT_EQ(automaticTransmittanceTicks(0.5).interval, 0.1);
}

TEST(ChartTicks, SpansBelowTheLaddersStillGetAFewTicks) {
    for (double span : {0.002, 0.0015, 0.001, 0.0003}) {
        const auto ticks =
            tickValues(0.5, 0.5 + span, automaticAbsorbanceTicks(span).interval, kValueTickTolerance);
        EXPECT_GE(ticks.size(), 2u) << span;
        EXPECT_LE(ticks.size(), 21u) << span;
    }
    const auto t = tickValues(50, 50.15, automaticTransmittanceTicks(0.15).interval, kValueTickTolerance);
    EXPECT_GE(t.size(), 2u);
}

TEST(ChartTicks, DegenerateAxesNeverLoop) {
    EXPECT_TRUE(tickValues(0, 1, 0, kValueTickTolerance).empty());
    EXPECT_TRUE(tickValues(0, 1, -1, kValueTickTolerance).empty());
    EXPECT_TRUE(tickValues(0, NAN, 1, kValueTickTolerance).empty());
    EXPECT_TRUE(tickValues(3, -1, 1, kValueTickTolerance).empty());
    EXPECT_EQ(tickValues(0, 1e12, 1, kValueTickTolerance).size(), kMaxTicks);
}

TEST(DisplayHistory, ANarrowBandChangesOnlyTheOtherAxis) {
    DisplayHistory history;
    history.zoom(true, 500, 508, 0.2, 0.8);
    EXPECT_EQ(history.range().xMin, 190.0f) << "8 nm is too narrow";
    EXPECT_EQ(history.range().absMin, 0.2f);
    EXPECT_EQ(history.range().absMax, 0.8f);
    history.zoom(true, 600, 400, 0.5, 0.5015);
    EXPECT_EQ(history.range().xMin, 400.0f);
    EXPECT_EQ(history.range().xMax, 600.0f);
    EXPECT_EQ(history.range().absMin, 0.2f) << "0.0015 Abs is too low";
    EXPECT_EQ(history.undoDepth(), 2u) << "each band pushes an undo entry";
    EXPECT_EQ(history.range().tMax, 150.0f) << "the other mode's range is untouched";
}

// "Fit to Data" spans the data with a twentieth of the values' span above and below, in the mode's
// units; a flat line gets a band; undo brings the old scales back.
TEST(DisplayHistory, FitToDataSpansTheValuesWithAMargin) {
    const float absorbances[] = {0.05f, 0.8f, NAN, 0.3f};
    const auto extent = valuesExtent(400.0, 700.0, absorbances, true);
    ASSERT_TRUE(extent.has_value());
    EXPECT_DOUBLE_EQ(extent->yMin, 0.05f);
    EXPECT_DOUBLE_EQ(extent->yMax, 0.8f);
    DisplayHistory history;
    const CDisplayRange before = history.range();
    history.fitTo(true, *extent);
    EXPECT_FLOAT_EQ(history.range().xMin, 400.0f);
    EXPECT_FLOAT_EQ(history.range().xMax, 700.0f);
    EXPECT_NEAR(history.range().absMin, 0.05 - 0.0375, 1e-6);
    EXPECT_NEAR(history.range().absMax, 0.8 + 0.0375, 1e-6);
    EXPECT_EQ(history.range().manual, 0);
    history.undo(true);
    EXPECT_EQ(history.range(), before);

    const float flat[] = {1.0f, 1.0f}; // 10 %T
    const auto level = valuesExtent(0.0, 30.0, flat, false);
    ASSERT_TRUE(level.has_value());
    EXPECT_NEAR(level->yMax, 10.0, 1e-4) << "transmittance in percent";
    history.fitTo(false, *level);
    EXPECT_NEAR(history.range().tMin, 9.0, 1e-4);
    EXPECT_NEAR(history.range().tMax, 11.0, 1e-4);
    EXPECT_EQ(merged({0, 10, 1, 2}, {5, 30, -1, 1.5}).xMax, 30.0);
    const float none[] = {NAN};
    EXPECT_FALSE(valuesExtent(0.0, 1.0, none, true).has_value());
}

TEST(DisplayHistory, UndoAfterAModeSwitchReturnsTheModeAndTheRanges) {
    DisplayHistory history;
    history.zoom(true, 400, 600, 0, 1);
    const CDisplayRange beforeSwitch = history.range();
    history.pushUndo(true); // the mode command, Abs -> T%
    history.range().manual = 0;
    history.zoom(false, 450, 550, 20, 80);
    EXPECT_FALSE(history.undo(false).has_value()) << "the zoom was made in T%";
    const auto mode = history.undo(false);
    ASSERT_TRUE(mode.has_value());
    EXPECT_TRUE(*mode) << "back to absorbance";
    CDisplayRange expected = beforeSwitch;
    expected.mode = 1;
    EXPECT_EQ(history.range(), expected);
    history.restore(BaseScales{});
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.range().xMin, 180.0f);
}

TEST(DisplayHistory, RangeDialogRefusesDenseOrUnusableIntervals) {
    DisplayHistory history;
    EXPECT_FALSE(history.applyRangeDialog(true, 190, 1100, -1, 3, true, 10, 1)) << "91 wavelength ticks";
    EXPECT_FALSE(history.applyRangeDialog(true, 1100, 190, -1, 3, true, 10, 1))
        << "typed in reverse it is just as dense";
    EXPECT_FALSE(history.applyRangeDialog(true, 190, 1100, -1, 3, true, -100, 1));
    EXPECT_FALSE(history.applyRangeDialog(true, 190, 1100, -1, 3, true, 100, 0));
    EXPECT_FALSE(history.canUndo()) << "a refused dialog changes nothing";
    EXPECT_TRUE(history.applyRangeDialog(true, 700, 400, 2, 0, false, 0, 0))
        << "intervals are not checked without manual";
    EXPECT_EQ(history.range().xMin, 400.0f);
    EXPECT_EQ(history.range().absMax, 2.0f);
    EXPECT_EQ(history.undoDepth(), 1u);
}

TEST(DisplayRange, DefaultsWithoutAFileAndARoundTrip) {
    test::TempDir dir;
    ProfileFile file(dir.file("wavescan.ini"), false);
    EXPECT_EQ(CDisplayRange::load(file), CDisplayRange{});
    CDisplayRange r;
    r.mode = 0;
    r.manual = 1;
    r.xInterval = 25.0f;
    r.yInterval = 0.25f;
    r.xMin = 400.5f;
    r.tMax = 110.0f;
    r.background = 7;
    r.showPeaks = 1;
    r.save(file);
    EXPECT_EQ(CDisplayRange::load(file), r);
    EXPECT_EQ(r.valueTicks(true).format(), "%.1f") << "manual";
}

TEST(ChartLayout, MarginsAndScalesFromTheTextHeights) {
    // Heights 12 (tick labels), 14 (wavelength legend), 16 (vertical legend), 20 (title).
    const ChartLayout layout(800, 600, {12, 14, 16, -20}, 190, 1100, -1, 3);
    EXPECT_EQ(layout.topMargin(), 40);
    EXPECT_EQ(layout.bottomMargin(), 2 * 12 + 14);
    EXPECT_EQ(layout.leftMargin(), 2 * 16 + 5 * 6);
    EXPECT_DOUBLE_EQ(layout.xScale(), (800 + 1 - 62 - 30) / 910.0);
    EXPECT_DOUBLE_EQ(layout.yScale(), (600 + 1 - 40 - 38) / 4.0);
    EXPECT_DOUBLE_EQ(layout.xOf(190), 62);
    EXPECT_DOUBLE_EQ(layout.yOf(-1), 600 - 38);
    EXPECT_DOUBLE_EQ(layout.xAt(layout.xOf(546.1)), 546.1);
    EXPECT_NEAR(layout.valueAt(layout.yOf(0.25)), 0.25, 1e-12);
    const ChartLayout flat(800, 600, {}, 500, 500, 1, 1);
    EXPECT_EQ(flat.xScale(), 0.0) << "an empty range never divides by zero";
}

TEST(ChartLayout, TransmittanceIsPlottedAsPercent) {
    EXPECT_DOUBLE_EQ(plottedValue(0.5, true), 0.5);
    EXPECT_NEAR(plottedValue(0.5, false), 31.6227766, 1e-6);
    EXPECT_DOUBLE_EQ(plottedValue(0.0, false), 100.0);
}

TEST(TraceCursor, SnapsToThePointAndWrapsPastTheEnds) {
    // A spectrum from 400 to 700 nm every 0.5 nm: 601 points.
    const auto inside = snapTraceCursor(450.8, 400, 0.5, 601, 190, 1100);
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->index, 102);
    EXPECT_DOUBLE_EQ(inside->wavelength, 451.0);
    const auto pastEnd = snapTraceCursor(720, 400, 0.5, 601, 190, 1100);
    EXPECT_EQ(pastEnd->index, 0) << "right of the end: the first point";
    const auto beforeStart = snapTraceCursor(380, 400, 0.5, 601, 190, 1100);
    EXPECT_EQ(beforeStart->index, 600) << "left of the start: the last point";
    const auto zoomed = snapTraceCursor(380, 400, 0.5, 601, 450, 650);
    EXPECT_EQ(zoomed->index, 100) << "the end lies right of the axis: wrapped to the axis minimum, 450 nm";
    EXPECT_FALSE(snapTraceCursor(500, 400, 0.5, 0, 190, 1100)) << "an empty spectrum has no cursor";
    EXPECT_EQ(traceCursorTip(451.0, 1.23456, true), "x=451.0;y=1.2346");
    EXPECT_EQ(traceCursorTip(451.0, 31.6228, false), "x=451.0;y=31.62");
}

TEST(ChartStyle, ColourIndexTableStoresRedInTheLowByte) {
    EXPECT_EQ(indexedColour(0), 0xFFFFFFu);
    EXPECT_EQ(indexedColour(1), 0xFF0000u) << "0, 0, 255: blue in the high byte";
    EXPECT_EQ(indexedColour(4), 0x0000FFu) << "255, 0, 0";
    EXPECT_EQ(indexedColour(17), 0xF0CAA6u) << "166, 202, 240";
    EXPECT_EQ(indexedColour(19), 0xA4A0A0u) << "160, 160, 164";
    EXPECT_EQ(indexedColour(20), 0u);
    EXPECT_EQ(indexedColour(-1), 0u);
}

TEST(ChartStyle, DefaultsWithoutSettingsAndFontSlots) {
    test::TempDir dir;
    const ChartStyle style = ChartStyle::load(ProfileFile(dir.file("none.ini"), false));
    EXPECT_EQ(style.title, "Title");
    EXPECT_EQ(style.valueLegendT, "Concentration(%)");
    EXPECT_EQ(style.gridColour, 2);
    EXPECT_EQ(style.gridLines, 1);
    ProfileFile fontsFile(dir.file("fonts.ini"), false);
    ChartFonts fonts = ChartFonts::load(fontsFile);
    EXPECT_EQ(fonts.colours[6], 32768u) << "dark green";
    fonts.fonts[kSlotTitle].height = -20;
    fonts.colours[kSlotTitle] = 0x0000FF;
    fonts.save(fontsFile);
    const ChartFonts loaded = ChartFonts::load(fontsFile);
    EXPECT_EQ(loaded.height(kSlotTitle), 20) << "heights count without their sign";
    EXPECT_EQ(loaded.colours[kSlotTitle], 0x0000FFu);
}

// Reference: for each pixel column, the lowest and highest y the full line reaches there, counting
// the segment that leaves the column for the next one.
std::map<long, std::pair<double, double>> columnExtremes(const std::vector<PlotPoint> &points) {
    std::map<long, std::pair<double, double>> out;
    auto cover = [&](long column, double y) {
        auto [it, added] = out.try_emplace(column, y, y);
        it->second.first = std::min(it->second.first, y);
        it->second.second = std::max(it->second.second, y);
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const long column = static_cast<long>(std::floor(points[i].x));
        cover(column, points[i].y);
        if (i + 1 < points.size() && static_cast<long>(std::floor(points[i + 1].x)) == column + 1)
            cover(column, points[i + 1].y);
    }
    return out;
}

TEST(TraceCursor, JumpsToTheNextMarkOrWrapsToTheOtherEnd) {
    const std::vector<std::int32_t> marks{0, 100, 0, -100, 0, 100, 0, 0};
    EXPECT_EQ(jumpToMark(marks, 0, true, 100), 1);
    EXPECT_EQ(jumpToMark(marks, 2, true, 100), 5);
    EXPECT_EQ(jumpToMark(marks, 6, true, 100), 0) << "none to the right: the first point";
    EXPECT_EQ(jumpToMark(marks, 4, false, 100), 1);
    EXPECT_EQ(jumpToMark(marks, 0, false, 100), 7) << "none to the left: the last point";
    EXPECT_EQ(jumpToMark(marks, 0, true, -100), 3);
    EXPECT_EQ(jumpToMark(marks, 99, false, -100), 3) << "a start past the end is the last point";
    EXPECT_EQ(jumpToMark({}, 3, true, 100), 0);
}

// Two new curves are not both red: each takes the settings' colour or the next one nobody has.
TEST(ChartStyle, ANewRecordTakesTheNextFreeColour) {
    EXPECT_EQ(nextFreeColourIndex(4, {}), 4);
    EXPECT_EQ(nextFreeColourIndex(4, {indexedColour(4)}), 5);
    EXPECT_EQ(nextFreeColourIndex(4, {indexedColour(4), indexedColour(5), indexedColour(7)}), 6);
    EXPECT_EQ(nextFreeColourIndex(17, {indexedColour(17)}), 19) << "cream is left out";
    EXPECT_EQ(nextFreeColourIndex(19, {indexedColour(19)}), 1) << "round past the end, white left out";
    std::vector<std::uint32_t> all;
    for (int i = 0; i < 20; ++i)
        all.push_back(indexedColour(i));
    EXPECT_EQ(nextFreeColourIndex(4, all), 4) << "every colour taken: the settings' own";
}

TEST(ColumnReduction, OneStrokePerColumnOverTheRowsTheLineCovers) {
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 0.01);
    std::vector<PlotPoint> line;
    for (int i = 0; i < 200000; ++i) {
        const double x = 40.0 + 1840.0 * i / 199999.0;
        line.push_back({x, 540.0 + 300.0 * std::sin(i / 20000.0) * (1.0 + noise(random))});
    }
    ASSERT_TRUE(worthReducing(line));
    const std::vector<Stroke> strokes = reduceToColumnStrokes(line);
    ASSERT_EQ(strokes.size(), 1841u);
    std::vector<PlotPoint> ends;
    for (const Stroke &stroke : strokes) {
        ASSERT_EQ(stroke.from.x, stroke.to.x) << "vertical";
        ASSERT_LE(stroke.from.y, stroke.to.y) << "top to bottom";
        ends.push_back(stroke.from);
        ends.push_back(stroke.to);
    }
    EXPECT_EQ(columnExtremes(ends).size(), columnExtremes(line).size());
    for (const auto &[column, extremes] : columnExtremes(line)) {
        const Stroke &stroke = strokes[static_cast<std::size_t>(column - 40)];
        EXPECT_EQ(stroke.from.y, extremes.first) << "column " << column;
        EXPECT_EQ(stroke.to.y, extremes.second) << "column " << column;
    }
}

// A line drawn right to left is read point by point rather than searched: each column still spans the
// rows its points cover.
TEST(ColumnReduction, ALineWhoseXFallsCoversTheSameRows) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> noise(-3.0, 3.0);
    std::vector<PlotPoint> line;
    for (int i = 0; i < 50000; ++i)
        line.push_back({900.0 - 500.0 * i / 49999.0, 300.0 + 100.0 * std::cos(i / 5000.0) + noise(random)});
    const std::vector<Stroke> strokes = reduceToColumnStrokes(line);
    std::map<long, std::pair<float, float>> drawn;
    for (const Stroke &stroke : strokes)
        if (stroke.from.x == stroke.to.x)
            drawn[static_cast<long>(std::floor(stroke.from.x))] = {stroke.from.y, stroke.to.y};
    std::map<long, std::pair<double, double>> covered;
    for (const PlotPoint &p : line) {
        auto [it, added] = covered.try_emplace(static_cast<long>(std::floor(p.x)), p.y, p.y);
        it->second = {std::min<double>(it->second.first, p.y), std::max<double>(it->second.second, p.y)};
    }
    ASSERT_EQ(drawn.size(), covered.size());
    for (const auto &[column, rows] : covered) {
        EXPECT_LE(drawn[column].first, rows.first) << column;
        EXPECT_GE(drawn[column].second, rows.second) << column;
    }
}

TEST(ColumnReduction, JumpsOverEmptyColumnsStayLines) {
    // Dense at both ends, a gap of 100 columns between.
    std::vector<PlotPoint> line;
    for (int i = 0; i < 40; ++i)
        line.push_back({10.0 + i * 0.1, static_cast<double>(i % 3)});
    for (int i = 0; i < 40; ++i)
        line.push_back({114.0 + i * 0.1, 50.0 + i % 3});
    const std::vector<Stroke> strokes = reduceToColumnStrokes(line);
    const Stroke jump{line[39], line[40]};
    EXPECT_NE(std::find(strokes.begin(), strokes.end(), jump), strokes.end());
}

TEST(ColumnReduction, PointsFarOffThePageOrNotANumberAreBounded) {
    std::vector<PlotPoint> line;
    for (int i = 0; i < 100; ++i)
        line.push_back({10.0 + i * 0.01, static_cast<double>(i)});
    line.push_back({1e30, 5.0});
    line.push_back({std::nan(""), 6.0});
    line.push_back({-1e30, std::nan("")});
    const std::vector<Stroke> strokes = reduceToColumnStrokes(line);
    ASSERT_FALSE(strokes.empty());
    EXPECT_EQ(strokes.front().from.y, 0.0f);
    EXPECT_EQ(strokes.front().to.y, 99.0f);
}

TEST(ColumnReduction, ShortLinesAreNotReduced) {
    EXPECT_FALSE(worthReducing(std::vector<PlotPoint>{{0, 0}, {1.5, 3}, {3, 1}}));
    EXPECT_FALSE(worthReducing({}));
    EXPECT_TRUE(reduceToColumnStrokes({}).empty());
}

} // namespace
} // namespace spectavo::scan
