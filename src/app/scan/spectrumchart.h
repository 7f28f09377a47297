#pragma once

#include <span>
#include <string>
#include <vector>

#include <QColor>
#include <QRect>

#include "core/scan/chartlayout.h"
#include "core/scan/chartstyle.h"
#include "core/scan/displayrange.h"
#include "core/scan/wave/wavespectrum.h"

class QPainter;

namespace spectavo::app {

// One curve of a chart: values at x0 + i x dx, of which [from, to) are drawn, and the marks of a curve
// that may carry labels (empty while it is measured).
struct ChartSeries {
    std::span<const float> values;
    std::size_t from = 0;
    std::size_t to = 0;
    double x0 = 0.0;
    double dx = 1.0;
    std::uint32_t colour = 255;
    std::span<const std::int32_t> marks;
    double xAt(std::size_t i) const { return x0 + static_cast<double>(i) * dx; }
};

// A spectrum as the chart shows it: while scanned, only the part that has arrived (from the top).
ChartSeries chartSeriesOf(const scan::CWaveSpectrum &spectrum);

// Everything one picture of the chart shows: spectra against wavelength, or curves against time.
struct SpectrumChartScene {
    std::vector<ChartSeries> spectra; // in list order
    int current = 0;
    // The current record's sample name: the title, when there is a current record.
    std::string currentTitle;
    scan::CDisplayRange range;
    bool absorbance = true;
    scan::ChartStyle style;
    scan::ChartFonts fonts;
    // Device units of a screen pixel: 1 on screen, dpi / 96 on paper, so lines keep their weight.
    double lineScale = 1.0;
};

// A colour of the chart's tables (red in the low byte) as Qt's.
QColor chartColour(std::uint32_t rgb);

// Draws the chart into `target`: the same routine serves the screen, the printer, the preview and
// the clipboard picture.
void paintSpectrumChart(QPainter &painter, const QRect &target, const SpectrumChartScene &scene);

// The geometry the chart uses for a target rectangle (client coordinates from its top-left).
scan::ChartLayout chartLayoutFor(const QRect &target, const SpectrumChartScene &scene);

// Adds points [from, to] of one spectrum to a picture already painted by paintSpectrumChart: the
// incremental plot of a running scan.
void paintCurveSegment(QPainter &painter, const QRect &target, const SpectrumChartScene &scene,
                       const ChartSeries &series, std::size_t from, std::size_t to);

} // namespace spectavo::app
