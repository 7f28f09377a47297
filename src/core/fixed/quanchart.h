#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/config/profilestore.h"
#include "core/fixed/fixedmethod.h"
#include "core/fixed/sampletable.h"
#include "core/scan/scalemap.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

// The display settings of the calibration chart, kept as the operator typed them.
struct CurveSettings {
    static constexpr const char *kTooDense =
        SPECTAVO_TEXT("The tip interval you selected is too dense.\nIt will be auto selected.");
    static constexpr const char *kFontFile = "..\\config\\tarvesta.zav.font.curve.ini";
    static constexpr int kFonts = 7;
    enum Font { kXTitleFont, kYTitleFont, kTitleFont, kStandardFont, kSampleFont, kParameterFont, kTickFont };

    int showParameter = 1;
    int showStandard = 1;
    int showSample = 1;
    int autoTip = 1;
    int showTitle = 1;
    int showX = 1;
    int showY = 1;
    std::string xMin = "0";
    std::string xMax = "3";
    std::string yMin = "0";
    std::string yMax = "1.0";
    std::string xStep = "0.1";
    std::string yStep = "0.1";
    std::string xTitle = "Concentration";
    std::string yTitle = "Abs";
    std::string curveTitle = "Fit Curve";
    std::string unit = "%";

    void load(const ProfileStore &file);
    void save(ProfileStore &file) const;

    // The unit the display settings start with; left so, it names no unit of its own.
    static constexpr const char *kDefaultUnit = "%";
    // Manual steps that would give more than 50 intervals (or a step of 0) are refused: automatic
    // steps take over. True when they were refused.
    bool refuseDenseSteps();
};

// The step an axis of this range gets automatically, and the label format of a step.
double automaticStep(double range);
int labelDecimals(double step);
std::string labelFormat(double step); // "%.f", "%.1f", ...

// One tick of an axis: its value, its position on the device, its label, and whether a grid line is
// drawn there (not when it would fall on the frame).
struct ChartTick {
    double value;
    double position;
    std::string label;
    bool gridLine;
};

// A rectangle in device units.
struct ChartRect {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The sizes the layout takes from the fonts: |height| of each font, and the width of the tick font.
struct ChartFontSizes {
    std::array<double, CurveSettings::kFonts> height{};
    double tickWidth = 0;
};

// Where everything of the calibration chart goes on a device rectangle. An axis whose limits are
// equal or reversed has no scale: the frame and the titles are drawn, nothing is placed on it.
struct QuanChartLayout {
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0, xStep = 0, yStep = 0;
    ChartRect plot;
    // Concentration across, absorbance upwards, as every chart of the program maps its axes.
    scan::ScaleMap x, y;
    bool scaled = false;
    std::vector<ChartTick> xTicks, yTicks;

    double xOf(double concentration) const { return x.map(concentration); }
    double yOf(double absorbance) const { return y.map(absorbance); }
};
// At most this many ticks per axis, whatever range and step are typed.
inline constexpr int kMaxTicks = 500;

QuanChartLayout layoutQuanChart(const CurveSettings &settings, const ChartRect &client,
                                const ChartFontSizes &fonts);

// The fitted curve as device points: a straight line for a linear fit, one point per device row
// otherwise (clipping to the plot area is the painter's).
std::vector<std::array<double, 2>> calibrationCurve(const QuanChartLayout &layout,
                                                    const FixedMethodRecord &method);
// The parts of a polyline inside a rectangle, as segments (x1, y1, x2, y2): devices that do not clip
// (a vector picture) draw the curve inside the frame too.
std::vector<std::array<double, 4>> clippedSegments(const std::vector<std::array<double, 2>> &points,
                                                   const ChartRect &rect);
// "Conc = ..." and "r = ..." as the chart shows them.
std::string formulaText(const FixedMethodRecord &method);
// The concentration column's unit: the display settings' when they name one of their own, else the
// method's (a method in mg/l is not shown in the display default "%").
std::string concentrationUnit(const std::string &methodUnit, const std::string &displayUnit);
// The display settings with the chart's range following the standards, while the settings keep the
// shipped range (0 to 3 across, 0 to 1.0 up) and a standard lies outside it: each axis then runs from
// 0 (or a round step below a negative value) to a round number past the largest value. A range the
// operator typed is kept as typed.
CurveSettings rangeFollowingStandards(CurveSettings settings, const SampleTable &standards);
std::string correlationText(const FixedMethodRecord &method);
// The standards and samples are marked only when standards are in use with concentrations.
bool marksShown(const FixedMethodRecord &method);

} // namespace spectavo::fixed
