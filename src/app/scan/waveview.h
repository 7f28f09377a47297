#pragma once

#include "app/scan/chartview.h"
#include "core/scan/recordlist.h"

namespace spectavo::app {

// The chart pane of a wavelength-scan window: its spectra against wavelength.
class CWaveView : public CChartView {
public:
    CWaveView(RecordList<CWaveSpectrum> &spectra, scan::DisplayHistory &display, const bool &absorbance,
              QWidget *parent = nullptr)
        : CChartView(display, absorbance, parent), m_spectra(spectra) {}

protected:
    void fillScene(SpectrumChartScene &scene) const override;
    void markAllDrawn() override;
    std::vector<Segment> takeNewSegments() override;
    std::optional<ChartSeries> traceable() const override;
    std::optional<int> snapCursor(double x, const scan::CDisplayRange &range) const override;

private:
    RecordList<CWaveSpectrum> &m_spectra;
};

} // namespace spectavo::app
