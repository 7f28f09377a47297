#pragma once

#include <vector>

#include <QColor>
#include <QRect>

#include "core/scan/chartlayout.h"
#include "core/scan/chartstyle.h"
#include "core/scan/displayrange.h"
#include "core/scan/wave/wavespectrum.h"

class QPainter;

namespace spectavo::app {

// Everything one picture of the spectrum chart shows.
struct SpectrumChartScene {
    std::vector<const CWaveSpectrum *> spectra; // in list order
    int current = 0;
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
                       const CWaveSpectrum &spectrum, std::size_t from, std::size_t to);

} // namespace spectavo::app
