#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/scan/scalemap.h"

namespace spectavo::scan {

// The heights (absolute, pixels) of the chart's text slots that shape its margins: tick labels,
// wavelength legend, vertical legend, title.
struct ChartTextHeights {
    int tickLabels = 12;
    int wavelengthLegend = 12;
    int valueLegend = 12;
    int title = 12;
};

// Where the chart draws: margins from the text heights, scales from the client size and the ranges.
// The x axis is whatever the chart shows across (nanometres, seconds).
// Pixel coordinates have y growing downwards, with the client's top-left at (0, 0).
class ChartLayout {
public:
    static constexpr int kRightMargin = 30;

    ChartLayout(int clientWidth, int clientHeight, const ChartTextHeights &text, double xMin, double xMax,
                double yMin, double yMax);

    int leftMargin() const { return m_left; }
    int topMargin() const { return m_top; }
    int bottomMargin() const { return m_bottom; }
    int plotLeft() const { return m_left; }
    int plotRight() const { return m_width - kRightMargin; }
    int plotTop() const { return m_top; }
    int plotBottom() const { return m_height - m_bottom; }
    double xScale() const { return m_x.factor(); }
    double yScale() const { return -m_y.factor(); }
    const ScaleMap &xMap() const { return m_x; }
    const ScaleMap &yMap() const { return m_y; }

    double xOf(double x) const { return m_x.map(x); }
    double yOf(double value) const { return m_y.map(value); }
    // The inverse, as the rubber band and the trace cursor read the pointer.
    double xAt(double pixel) const { return m_x.invert(pixel); }
    double valueAt(double pixel) const { return m_y.invert(pixel); }

private:
    int m_width, m_height;
    int m_left, m_top, m_bottom;
    ScaleMap m_x, m_y;
};

// An absorbance as the chart plots it: itself in Abs mode, 10^(2 - A) percent in T% mode.
double plottedValue(double absorbance, bool absorbanceMode);

// The trace cursor: the pointer's wavelength put on a point of the current spectrum (start, step, N
// points), wrapping past either end of the spectrum and of the axis.
struct CursorPoint {
    int index;
    double wavelength;
};
std::optional<CursorPoint> snapTraceCursor(double pointerWavelength, double start, double step, int points,
                                           double xMin, double xMax);
// The time-scan trace cursor: a time beyond the curve's total time goes to 0, then past either end of
// the axis it wraps; the index is the nearest point, at most the last.
std::optional<int> snapTimeCursor(double pointerTime, int totalTime, double step, std::size_t points,
                                  double xMin, double xMax);
// The trace cursor's jump to the nearest mark (100 significant peak, -100 significant valley) at or
// after `from` (forward) or at or before it. With none that way the cursor wraps, as the pointer does:
// forward to the first point, backward to the last.
int jumpToMark(std::span<const std::int32_t> marks, int from, bool forward, std::int32_t mark);
// The tool tip at the cursor: "x=%.1f;y=%.4f" in Abs mode, "x=%.1f;y=%.2f" in T% mode.
std::string traceCursorTip(double wavelength, double plotted, bool absorbanceMode);

} // namespace spectavo::scan
