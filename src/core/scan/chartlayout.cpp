#include "core/scan/chartlayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/strings/cformat.h"

namespace spectavo::scan {
ChartLayout::ChartLayout(int clientWidth, int clientHeight, const ChartTextHeights &text, double xMin,
                         double xMax, double yMin, double yMax)
    : m_width(clientWidth), m_height(clientHeight) {
    const int h0 = std::abs(text.tickLabels);
    m_top = 2 * std::abs(text.title);
    m_bottom = 2 * h0 + std::abs(text.wavelengthLegend);
    m_left = 2 * std::abs(text.valueLegend) + 5 * (h0 / 2);
    // The plot spans its last pixel too; a degenerate range draws everything on one line.
    const int across = clientWidth + 1 - m_left - kRightMargin;
    const int down = clientHeight + 1 - m_top - m_bottom;
    m_x = ScaleMap(m_left, m_left + across, xMin, xMax);
    m_y = ScaleMap(plotBottom(), plotBottom() - down, yMin, yMax);
}

double plottedValue(double absorbance, bool absorbanceMode) {
    return absorbanceMode ? absorbance : std::pow(10.0, 2.0 - absorbance);
}

std::optional<CursorPoint> snapTraceCursor(double pointerWavelength, double start, double step, int points,
                                           double xMin, double xMax) {
    if (points <= 0 || !(step > 0.0) || !std::isfinite(pointerWavelength))
        return std::nullopt;
    const double end = start + (points - 1) * step;
    double wavelength = pointerWavelength;
    if (wavelength > end)
        wavelength = start;
    else if (wavelength < start)
        wavelength = end;
    if (wavelength > xMax)
        wavelength = xMin;
    else if (wavelength < xMin)
        wavelength = xMax;
    const double position = std::trunc((wavelength - start) / step + 0.5);
    // Clamped in floating point first: a wavelength far outside would not fit an int.
    const int index = static_cast<int>(std::clamp(position, 0.0, static_cast<double>(points - 1)));
    return CursorPoint{index, start + index * step};
}

std::string traceCursorTip(double wavelength, double plotted, bool absorbanceMode) {
    return absorbanceMode ? strings::formatC("x=%.1f;y=%.4f", wavelength, plotted)
                          : strings::formatC("x=%.1f;y=%.2f", wavelength, plotted);
}

int jumpToMark(std::span<const std::int32_t> marks, int from, bool forward, std::int32_t mark) {
    const int count = static_cast<int>(marks.size());
    if (count == 0)
        return 0;
    if (forward) {
        for (int i = std::max(from, 0); i < count; ++i)
            if (marks[static_cast<std::size_t>(i)] == mark)
                return i;
        return 0;
    }
    for (int i = std::min(from, count - 1); i >= 0; --i)
        if (marks[static_cast<std::size_t>(i)] == mark)
            return i;
    return count - 1;
}

std::optional<int> snapTimeCursor(double t, int totalTime, double step, std::size_t points, double xMin,
                                  double xMax) {
    if (points == 0 || !(step > 0.0) || !std::isfinite(t))
        return std::nullopt;
    if (t > totalTime)
        t = 0.0;
    if (t > xMax)
        t = xMin;
    else if (t < xMin)
        t = xMax;
    const double k = std::floor(t / step + 0.5);
    return static_cast<int>(std::clamp(k, 0.0, static_cast<double>(points - 1)));
}

} // namespace spectavo::scan
