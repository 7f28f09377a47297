#include "app/scan/waveview.h"

#include "core/config/profilefile.h"

namespace spectavo::app {

void CWaveView::fillScene(SpectrumChartScene &scene) const {
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        scene.spectra.push_back(chartSeriesOf(m_spectra.at(i)));
    scene.current = static_cast<int>(m_spectra.currentIndex().value_or(0));
    if (const CWaveSpectrum *current = m_spectra.current())
        scene.currentTitle = current->sampleName();
    // The settings sheet may change the look at any time: read whenever the picture is made again.
    scene.style = scan::ChartStyle::load(ProfileFile(scan::CDisplayRange::kFileName, true));
}

void CWaveView::markAllDrawn() {
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        CWaveSpectrum &spectrum = m_spectra.at(i);
        if (spectrum.acquiring.load())
            spectrum.drawnDownTo = std::max(spectrum.nextIndex.load(std::memory_order_acquire) + 1, 0);
    }
}

std::vector<CChartView::Segment> CWaveView::takeNewSegments() {
    std::vector<Segment> segments;
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        CWaveSpectrum &spectrum = m_spectra.at(i);
        if (!spectrum.acquiring.load())
            continue;
        const int first = std::max(spectrum.nextIndex.load(std::memory_order_acquire) + 1, 0);
        if (first >= spectrum.drawnDownTo)
            continue;
        // The segment joins the points already drawn, so it ends at the drawn-down-to point.
        const int last = std::min(spectrum.drawnDownTo, static_cast<int>(spectrum.points().size()) - 1);
        if (last >= first)
            segments.push_back(
                {chartSeriesOf(spectrum), static_cast<std::size_t>(first), static_cast<std::size_t>(last)});
        spectrum.drawnDownTo = first;
    }
    return segments;
}

// The spectrum the trace cursor may read: the current one, unless the link is still writing it.
std::optional<ChartSeries> CWaveView::traceable() const {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current || !current->hasPoints() || current->acquiring.load())
        return std::nullopt;
    return chartSeriesOf(*current);
}

std::optional<int> CWaveView::snapCursor(double x, const scan::CDisplayRange &range) const {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return std::nullopt;
    const auto point = scan::snapTraceCursor(
        x, current->start, current->step, static_cast<int>(current->points().size()), range.xMin, range.xMax);
    if (!point)
        return std::nullopt;
    return point->index;
}

} // namespace spectavo::app
