#include "app/scan/waveview.h"

#include "core/config/profilefile.h"

namespace spectavo::app {

void CWaveView::fillScene(SpectrumChartScene &scene) const {
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        scene.spectra.push_back(chartSeriesOf(m_spectra.at(i)));
    scene.current = static_cast<int>(m_spectra.currentIndex().value_or(0));
    if (const scan::CWaveSpectrum *current = m_spectra.current())
        scene.currentTitle = current->sampleName();
    // The settings sheet may change the look at any time: read whenever the picture is made again.
    scene.style = scan::ChartStyle::load(ProfileFile(scan::CDisplayRange::kFileName, true));
}

namespace {

// The first index filled so far, or one past the last point before any arrived.
int filledFrom(const scan::CWaveSpectrum &spectrum) {
    return std::max(spectrum.nextIndex.load(std::memory_order_acquire) + 1, 0);
}

} // namespace

void CWaveView::markAllDrawn() {
    m_drawnDownTo.clear();
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        const scan::CWaveSpectrum &spectrum = m_spectra.at(i);
        if (spectrum.acquiring.load())
            m_drawnDownTo[&spectrum] = filledFrom(spectrum);
    }
}

std::vector<CChartView::Segment> CWaveView::takeNewSegments() {
    std::vector<Segment> segments;
    std::map<const scan::CWaveSpectrum *, int> drawn;
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        const scan::CWaveSpectrum &spectrum = m_spectra.at(i);
        if (!spectrum.acquiring.load())
            continue;
        const int last = static_cast<int>(spectrum.points().size()) - 1;
        const int first = filledFrom(spectrum);
        // A spectrum not drawn before has nothing drawn yet. A scan that starts again redraws the whole
        // chart (the windows refresh at every start), which marks it afresh.
        const auto known = m_drawnDownTo.find(&spectrum);
        int &drawnDownTo = drawn[&spectrum] = known == m_drawnDownTo.end() ? last : known->second;
        if (first >= drawnDownTo)
            continue;
        // The segment joins the points already drawn, so it ends at the drawn-down-to point.
        const int end = std::min(drawnDownTo, last);
        if (end >= first)
            segments.push_back(
                {chartSeriesOf(spectrum), static_cast<std::size_t>(first), static_cast<std::size_t>(end)});
        drawnDownTo = first;
    }
    // Spectra no longer measured, or gone, are forgotten.
    m_drawnDownTo = std::move(drawn);
    return segments;
}

// The spectrum the trace cursor may read: the current one, unless the link is still writing it.
std::optional<ChartSeries> CWaveView::traceable() const {
    const scan::CWaveSpectrum *current = m_spectra.current();
    if (!current || !current->hasPoints() || current->acquiring.load())
        return std::nullopt;
    return chartSeriesOf(*current);
}

std::optional<int> CWaveView::snapCursor(double x, const scan::CDisplayRange &range) const {
    const scan::CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return std::nullopt;
    const auto point = scan::snapTraceCursor(
        x, current->start, current->step, static_cast<int>(current->points().size()), range.xMin, range.xMax);
    if (!point)
        return std::nullopt;
    return point->index;
}

} // namespace spectavo::app
