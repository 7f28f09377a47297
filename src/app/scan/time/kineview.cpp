#include "app/scan/time/kineview.h"

#include <algorithm>

#include "core/config/profilefile.h"
#include "core/program/sharedsettings.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

// The points the link has published: it writes a point before the count that covers it.
std::size_t heldPoints(const scan::CKineSpectrum &curve) {
    const int count = curve.count.load(std::memory_order_acquire);
    return std::min(static_cast<std::size_t>(std::max(count, 0)), curve.points().size());
}

} // namespace

ChartSeries chartSeriesOf(const scan::CKineSpectrum &curve) {
    ChartSeries series;
    series.values = curve.points();
    series.to = heldPoints(curve);
    series.dx = curve.step;
    series.colour = curve.colour;
    if (!curve.acquiring.load())
        series.marks = curve.markers();
    return series;
}

void CKineView::fillScene(SpectrumChartScene &scene) const {
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        scene.spectra.push_back(chartSeriesOf(m_curves.at(i)));
    scene.current = static_cast<int>(m_curves.currentIndex().value_or(0));
    if (const scan::CKineSpectrum *current = m_curves.current())
        scene.currentTitle = current->sampleName();
    // The settings sheet may change the look at any time: read whenever the picture is made again.
    scene.style = scan::ChartStyle::loadKinetic(ProfileFile(program::KineticsSettings::kFileName, true));
}

void CKineView::markAllDrawn() {
    m_drawnUpTo.clear();
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        const scan::CKineSpectrum &curve = m_curves.at(i);
        if (curve.acquiring.load())
            m_drawnUpTo[&curve] = std::max(static_cast<int>(heldPoints(curve)) - 1, 0);
    }
}

std::vector<CChartView::Segment> CKineView::takeNewSegments() {
    std::vector<Segment> segments;
    std::map<const scan::CKineSpectrum *, int> drawn;
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        const scan::CKineSpectrum &curve = m_curves.at(i);
        if (!curve.acquiring.load())
            continue;
        const ChartSeries series = chartSeriesOf(curve);
        const int last = static_cast<int>(series.to) - 1;
        // A curve not drawn before has nothing drawn yet; a run that starts again redraws the whole chart.
        const auto known = m_drawnUpTo.find(&curve);
        int &drawnUpTo = drawn[&curve] = known == m_drawnUpTo.end() ? 0 : known->second;
        if (last < 0 || last <= drawnUpTo) {
            if (last == 0 && drawnUpTo == 0)
                segments.push_back({series, 0, 0}); // the first point on its own
            continue;
        }
        segments.push_back({series, static_cast<std::size_t>(drawnUpTo), static_cast<std::size_t>(last)});
        drawnUpTo = last;
        onTimeReached(strings::trFormat("Time:%.1fs", last * static_cast<double>(curve.step)));
    }
    // Curves no longer measured, or gone, are forgotten.
    m_drawnUpTo = std::move(drawn);
    return segments;
}

std::optional<ChartSeries> CKineView::traceable() const {
    const scan::CKineSpectrum *current = m_curves.current();
    if (!current || current->points().empty() || current->acquiring.load())
        return std::nullopt;
    return chartSeriesOf(*current);
}

std::optional<int> CKineView::snapCursor(double t, const scan::CDisplayRange &range) const {
    const scan::CKineSpectrum *current = m_curves.current();
    if (!current)
        return std::nullopt;
    return scan::snapTimeCursor(t, current->totalTime, current->step, current->points().size(), range.xMin,
                                range.xMax);
}

} // namespace spectavo::app
