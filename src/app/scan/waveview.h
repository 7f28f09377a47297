#pragma once

#include <QWidget>

#include "app/scan/spectrumchart.h"
#include "core/scan/recordlist.h"

namespace spectavo::app {

// The chart pane of a wavelength-scan window.
class CWaveView : public QWidget {
public:
    CWaveView(RecordList<CWaveSpectrum> &spectra, scan::DisplayHistory &display, const bool &absorbance,
              QWidget *parent = nullptr);
    ~CWaveView() override;

    const scan::ChartFonts &fonts() const { return m_fonts; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SpectrumChartScene scene() const;

    RecordList<CWaveSpectrum> &m_spectra;
    scan::DisplayHistory &m_display;
    const bool &m_absorbance;
    scan::ChartFonts m_fonts;
};

} // namespace spectavo::app
