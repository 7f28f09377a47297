#pragma once

#include <map>

#include "app/scan/chartview.h"
#include "core/scan/recordlist.h"

namespace spectavo::app {

// The chart pane of a wavelength-scan window: its spectra against wavelength.
class CWaveView : public CChartView {
public:
    CWaveView(scan::RecordList<scan::CWaveSpectrum> &spectra, scan::DisplayHistory &display,
              const bool &absorbance, QWidget *parent = nullptr)
        : CChartView(display, absorbance, parent), m_spectra(spectra) {}

protected:
    void fillScene(SpectrumChartScene &scene) const override;
    void markAllDrawn() override;
    std::vector<Segment> takeNewSegments() override;
    std::optional<ChartSeries> traceable() const override;
    std::optional<int> snapCursor(double x, const scan::CDisplayRange &range) const override;

private:
    scan::RecordList<scan::CWaveSpectrum> &m_spectra;
    // Per spectrum being measured, the lowest index the chart has drawn: the instrument fills from the
    // high end down, so each tick draws from the fill cursor up to it.
    std::map<const scan::CWaveSpectrum *, int> m_drawnDownTo;
};

} // namespace spectavo::app
