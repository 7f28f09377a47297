#pragma once

#include <vector>

#include <QRect>

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
};

// Draws the chart into `target`: the same routine serves the screen, the printer, the preview and
// the clipboard picture.
void paintSpectrumChart(QPainter &painter, const QRect &target, const SpectrumChartScene &scene);

} // namespace spectavo::app
