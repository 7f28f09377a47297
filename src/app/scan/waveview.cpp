#include "app/scan/waveview.h"

#include <QPainter>

#include "core/config/profilefile.h"

namespace spectavo::app {

CWaveView::CWaveView(RecordList<CWaveSpectrum> &spectra, scan::DisplayHistory &display,
                     const bool &absorbance, QWidget *parent)
    : QWidget(parent), m_spectra(spectra), m_display(display), m_absorbance(absorbance),
      m_fonts(scan::ChartFonts::load(ProfileFile(scan::ChartFonts::kFileName, true))) {
    setMinimumSize(200, 150);
}

CWaveView::~CWaveView() {
    ProfileFile file(scan::ChartFonts::kFileName, true);
    ProfileFile::Batch batch(file);
    m_fonts.save(batch);
}

SpectrumChartScene CWaveView::scene() const {
    SpectrumChartScene scene;
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        scene.spectra.push_back(&m_spectra.at(i));
    scene.current = static_cast<int>(m_spectra.currentIndex().value_or(0));
    scene.range = m_display.range();
    scene.absorbance = m_absorbance;
    // The settings sheet may change the look at any time: read at each paint.
    scene.style = scan::ChartStyle::load(ProfileFile(scan::CDisplayRange::kFileName, true));
    scene.fonts = m_fonts;
    return scene;
}

void CWaveView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    paintSpectrumChart(painter, rect(), scene());
}

} // namespace spectavo::app
