#include "core/fixed/quanchart.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "core/strings/cformat.h"

namespace spectavo::fixed {
namespace {

double number(const std::string &text) {
    const double value = strings::scanDoubleC(text);
    return std::isfinite(value) ? value : 0.0;
}

std::vector<ChartTick> ticks(double first, double step, double last, int decimals,
                             const std::function<double(double)> &position, double low, double high) {
    std::vector<ChartTick> result;
    if (!(step > 0.0))
        return result;
    for (int i = 0; i < kMaxTicks; ++i) {
        const double value = first + i * step;
        if (value > last + step * 1e-9)
            break;
        const double at = position(value);
        result.push_back(
            {value, at, strings::formatC("%.*f", decimals, value), at > low + 5 && at < high - 5});
    }
    return result;
}

} // namespace

void CurveSettings::load(const ProfileStore &file) {
    curveTitle = file.GetString("Curve", "CurveTitle", "Fit Curve", 99);
    showParameter = file.GetInt("Curve", "ShowParameter", 1);
    showStandard = file.GetInt("Curve", "ShowStandard", 1);
    showSample = file.GetInt("Curve", "ShowSample", 1);
    autoTip = file.GetInt("Curve", "AutoTip", 1);
    showTitle = file.GetInt("Curve", "ShowTitle", 1);
    showX = file.GetInt("Curve", "ShowX", 1);
    showY = file.GetInt("Curve", "ShowY", 1);
    xMin = file.GetString("Curve", "Xmin", "0", 99);
    xMax = file.GetString("Curve", "Xmax", "3", 99);
    yMin = file.GetString("Curve", "Ymin", "0", 99);
    yMax = file.GetString("Curve", "Ymax", "1.0", 99);
    xStep = file.GetString("Curve", "Xstep", "0.1", 99);
    yStep = file.GetString("Curve", "Ystep", "0.1", 99);
    xTitle = file.GetString("Curve", "X", "Concentration", 99);
    yTitle = file.GetString("Curve", "Y", "Abs", 99);
    unit = file.GetString("Setup", "Unit", "%", 99);
}

void CurveSettings::save(ProfileStore &file) const {
    file.PutString("Curve", "CurveTitle", curveTitle);
    file.PutInt("Curve", "ShowParameter", showParameter);
    file.PutInt("Curve", "ShowStandard", showStandard);
    file.PutInt("Curve", "ShowSample", showSample);
    file.PutInt("Curve", "AutoTip", autoTip);
    file.PutInt("Curve", "ShowTitle", showTitle);
    file.PutInt("Curve", "ShowX", showX);
    file.PutInt("Curve", "ShowY", showY);
    file.PutString("Curve", "Xmin", xMin);
    file.PutString("Curve", "Xmax", xMax);
    file.PutString("Curve", "Ymin", yMin);
    file.PutString("Curve", "Ymax", yMax);
    file.PutString("Curve", "Xstep", xStep);
    file.PutString("Curve", "Ystep", yStep);
    file.PutString("Curve", "X", xTitle);
    file.PutString("Curve", "Y", yTitle);
    file.PutString("Setup", "Unit", unit);
}

bool CurveSettings::refuseDenseSteps() {
    if (autoTip != 0)
        return false;
    const double xs = number(xStep);
    const double ys = number(yStep);
    if (xs != 0.0 && ys != 0.0 && (number(xMax) - number(xMin)) / xs <= 50.0 &&
        (number(yMax) - number(yMin)) / ys <= 50.0)
        return false;
    autoTip = 1;
    return true;
}

double automaticStep(double range) {
    if (range > 50)
        return 20;
    if (range > 20)
        return 10;
    if (range > 5)
        return 2;
    if (range > 2)
        return 1;
    if (range > 1)
        return 0.5;
    if (range > 0.2)
        return 0.1;
    return 0.05;
}

int labelDecimals(double step) {
    if (!std::isfinite(step) || step <= 0)
        return 0;
    const int digits = static_cast<int>(std::floor(std::log10(step) + 0.00001));
    return digits >= 0 ? 0 : std::min(-digits, 20);
}

std::string labelFormat(double step) {
    const int decimals = labelDecimals(step);
    return decimals == 0 ? "%.f" : strings::formatC("%%.%df", decimals);
}

QuanChartLayout layoutQuanChart(const CurveSettings &settings, const ChartRect &client,
                                const ChartFontSizes &fonts) {
    QuanChartLayout layout;
    layout.xMin = number(settings.xMin);
    layout.xMax = number(settings.xMax);
    layout.yMin = number(settings.yMin);
    layout.yMax = number(settings.yMax);
    layout.xStep = settings.autoTip != 0 ? automaticStep(layout.xMax - layout.xMin) : number(settings.xStep);
    layout.yStep = settings.autoTip != 0 ? automaticStep(layout.yMax - layout.yMin) : number(settings.yStep);
    const int xDecimals = labelDecimals(layout.xStep);
    const int yDecimals = labelDecimals(layout.yStep);

    using F = CurveSettings::Font;
    const auto height = [&](F font) { return fonts.height[static_cast<std::size_t>(font)]; };
    const double h6 = height(F::kTickFont);
    const std::string yMaxLabel = strings::formatC("%.*f", yDecimals, layout.yMax);
    ChartRect &plot = layout.plot;
    plot.left = client.left + h6 * static_cast<double>(yMaxLabel.size());
    if (settings.showY != 0)
        plot.left += 1.5 * height(F::kYTitleFont);
    plot.right = client.right - h6;
    plot.top = client.top + h6;
    if (settings.showTitle != 0)
        plot.top += 4.0 / 3.0 * height(F::kTitleFont);
    plot.bottom = client.bottom - 1.5 * h6;
    if (settings.showX != 0)
        plot.bottom -= 1.5 * height(F::kXTitleFont);

    layout.scaled = layout.xMax > layout.xMin && layout.yMax > layout.yMin && plot.right > plot.left &&
                    plot.bottom > plot.top;
    if (!layout.scaled)
        return layout;
    layout.x = scan::ScaleMap(plot.left, plot.right, layout.xMin, layout.xMax);
    layout.y = scan::ScaleMap(plot.bottom, plot.top, layout.yMin, layout.yMax);
    const double yFirst = std::floor((layout.yMin + layout.yStep - 0.001) / layout.yStep) * layout.yStep;
    layout.yTicks = ticks(
        yFirst, layout.yStep, layout.yMax, yDecimals, [&](double y) { return layout.yOf(y); }, plot.top,
        plot.bottom);
    const double xFirst = std::floor((layout.xMin + layout.xStep - 0.01) / layout.xStep) * layout.xStep;
    layout.xTicks = ticks(
        xFirst, layout.xStep, layout.xMax, xDecimals, [&](double x) { return layout.xOf(x); }, plot.left,
        plot.right);
    return layout;
}

std::vector<std::array<double, 2>> calibrationCurve(const QuanChartLayout &layout,
                                                    const FixedMethodRecord &method) {
    std::vector<std::array<double, 2>> points;
    if (!layout.scaled)
        return points;
    const auto &k = method.coefficients;
    if (method.methodIndex <= 0) {
        points.push_back({layout.xOf(k[0] + k[1] * layout.yMin), layout.plot.bottom});
        points.push_back({layout.xOf(k[0] + k[1] * layout.yMax), layout.yOf(layout.yMax)});
        return points;
    }
    const int rows = static_cast<int>(layout.plot.bottom - layout.plot.top);
    for (int row = rows; row >= 1; --row) {
        const double y = layout.y.invert(layout.plot.bottom - row);
        const double concentration = k[0] + y * (k[1] + y * (k[2] + y * k[3]));
        points.push_back({layout.xOf(concentration), layout.plot.bottom - row});
    }
    return points;
}

// Liang-Barsky: the part of a segment inside the rectangle, if any.
std::optional<std::array<double, 4>> clipSegment(std::array<double, 4> segment, const ChartRect &rect) {
    const double dx = segment[2] - segment[0];
    const double dy = segment[3] - segment[1];
    double enter = 0.0, leave = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {segment[0] - rect.left, rect.right - segment[0], segment[1] - rect.top,
                        rect.bottom - segment[1]};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (!(enter <= leave))
        return std::nullopt;
    return std::array<double, 4>{segment[0] + enter * dx, segment[1] + enter * dy, segment[0] + leave * dx,
                                 segment[1] + leave * dy};
}

std::vector<std::array<double, 4>> clippedSegments(const std::vector<std::array<double, 2>> &points,
                                                   const ChartRect &rect) {
    std::vector<std::array<double, 4>> segments;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const std::array<double, 4> segment{points[i - 1][0], points[i - 1][1], points[i][0], points[i][1]};
        if (!std::isfinite(segment[0]) || !std::isfinite(segment[2]))
            continue;
        if (const auto inside = clipSegment(segment, rect))
            segments.push_back(*inside);
    }
    return segments;
}

std::string formulaText(const FixedMethodRecord &method) {
    const auto &k = method.coefficients;
    const auto d = [&](std::size_t i) { return static_cast<double>(k[i]); };
    switch (method.methodIndex) {
    case 0:
        return strings::formatC("Conc = %.4f %+.4f*Abs", d(0), d(1));
    case 1:
        return strings::formatC("Conc = %.4f %+.4f*Abs %+.4f*Abs^2", d(0), d(1), d(2));
    default:
        return strings::formatC("Conc = %.4f %+.4f*Abs %+.4f*Abs^2 %+.4f*Abs^3", d(0), d(1), d(2), d(3));
    }
}

std::string correlationText(const FixedMethodRecord &method) {
    return strings::formatC("r = %f", static_cast<double>(method.correlation));
}

bool marksShown(const FixedMethodRecord &method) {
    return method.reference == 1 && method.concentration == 1;
}

std::string concentrationUnit(const std::string &methodUnit, const std::string &displayUnit) {
    const bool displayNamesOne = !displayUnit.empty() && displayUnit != CurveSettings::kDefaultUnit;
    return displayNamesOne || methodUnit.empty() ? displayUnit : methodUnit;
}

namespace {

// The round number (1, 1.5, 2, 2.5, 3, 4, 5, 6, 8 times a power of ten) at or past a tenth beyond v.
double roundPast(double value) {
    const double wanted = std::fabs(value) * 1.1;
    if (!(wanted > 0.0) || !std::isfinite(wanted))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double mantissa : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
        if (mantissa * power >= wanted)
            return mantissa * power;
    return 10.0 * power;
}

} // namespace

CurveSettings rangeFollowingStandards(CurveSettings settings, const SampleTable &standards) {
    const CurveSettings shipped;
    if (settings.xMin != shipped.xMin || settings.xMax != shipped.xMax || settings.yMin != shipped.yMin ||
        settings.yMax != shipped.yMax)
        return settings;
    const grid::GridModel &grid = standards.grid();
    if (grid.columns() < 4)
        return settings;
    double xLow = 0.0, xHigh = 0.0, yLow = 0.0, yHigh = 0.0;
    bool any = false;
    for (int row = 1; row <= standards.rowCount(); ++row) {
        const auto absorbance = grid.number(row, grid.columns() - 2);
        const auto concentration = grid.number(row, grid.columns() - 1);
        if (!absorbance || !concentration || !std::isfinite(*absorbance) || !std::isfinite(*concentration))
            continue;
        any = true;
        xLow = std::min(xLow, *concentration);
        xHigh = std::max(xHigh, *concentration);
        yLow = std::min(yLow, *absorbance);
        yHigh = std::max(yHigh, *absorbance);
    }
    const bool inside = xLow >= number(shipped.xMin) && xHigh <= number(shipped.xMax) &&
                        yLow >= number(shipped.yMin) && yHigh <= number(shipped.yMax);
    if (!any || inside)
        return settings;
    settings.xMin = strings::formatC("%g", xLow < 0.0 ? -roundPast(xLow) : 0.0);
    settings.xMax = strings::formatC("%g", roundPast(xHigh));
    settings.yMin = strings::formatC("%g", yLow < 0.0 ? -roundPast(yLow) : 0.0);
    settings.yMax = strings::formatC("%g", roundPast(yHigh));
    return settings;
}

} // namespace spectavo::fixed
