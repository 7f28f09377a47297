#include "app/scan/scanframe.h"

#include "app/scan/scanlistview.h"
#include "app/scan/waveview.h"
#include "core/config/profilefile.h"
#include "core/scan/wave/wavefile.h"

namespace spectavo::app {

CScanFrame::CScanFrame(float threshold, bool absorbance, QWidget *parent)
    : QSplitter(Qt::Horizontal, parent),
      m_display(scan::CDisplayRange::load(ProfileFile(scan::CDisplayRange::kFileName, true))),
      m_absorbance(absorbance), m_threshold(threshold) {
    m_view = new CWaveView(m_spectra, m_display, m_absorbance, this);
    m_list = new CScanListView(this);
    addWidget(m_view);
    m_list->setMinimumWidth(120);
    addWidget(m_list);
    setStretchFactor(0, 1);
    setMinimumSize(600, 380);
}

CScanFrame::~CScanFrame() {
    delete m_view; // it shows this window's spectra and display record, which go before the children
    ProfileFile file(scan::CDisplayRange::kFileName, true);
    ProfileFile::Batch batch(file);
    m_display.range().save(batch);
}

bool CScanFrame::openFile(const QString &path) {
    auto spectrum = std::make_unique<CWaveSpectrum>();
    if (!readSpectrumFile(path.toStdString(), *spectrum))
        return false;
    spectrum->recomputeMarks(m_threshold);
    m_spectra.insertFront(std::move(spectrum));
    m_spectra.setCurrent(0);
    refresh();
    return true;
}

void CScanFrame::setAbsorbance(bool absorbance) {
    m_absorbance = absorbance;
    refresh();
}

void CScanFrame::refresh() {
    const scan::CDisplayRange &range = m_display.range();
    m_list->refill(m_spectra.current(), m_absorbance, range.showPeaks != 0, range.showValleys != 0);
    fitListWidth();
    m_view->update();
}

// The peak list keeps its width when the window is resized: 160 pixels, or what its columns need
// when the font is wider.
void CScanFrame::fitListWidth() {
    const int listWidth = std::max(160, m_list->naturalWidth());
    setSizes({std::max(width() - listWidth - handleWidth(), 0), listWidth});
}

void CScanFrame::resizeEvent(QResizeEvent *event) {
    QSplitter::resizeEvent(event);
    fitListWidth();
}

} // namespace spectavo::app
