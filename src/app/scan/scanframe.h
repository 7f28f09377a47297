#pragma once

#include <QSplitter>

#include "core/scan/displayrange.h"
#include "core/scan/recordlist.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::app {

class CWaveView;
class CScanListView;

// A wavelength-scan window: the chart left, the peak list right.
class CScanFrame : public QSplitter {
public:
    // The program-wide peak threshold and photometric mode at the time the window opens.
    CScanFrame(float threshold, bool absorbance, QWidget *parent = nullptr);
    ~CScanFrame() override;

    // Adds the spectrum of a .sca file in front of the list and makes it current.
    bool openFile(const QString &path);
    RecordList<CWaveSpectrum> &spectra() { return m_spectra; }
    scan::DisplayHistory &display() { return m_display; }
    CScanListView *peakList() const { return m_list; }
    void setAbsorbance(bool absorbance);
    // Refills the peak list from the current spectrum and redraws the chart.
    void refresh();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitListWidth();

    RecordList<CWaveSpectrum> m_spectra;
    scan::DisplayHistory m_display;
    bool m_absorbance;
    float m_threshold;
    CWaveView *m_view;
    CScanListView *m_list;
};

} // namespace spectavo::app
