// The Compute menu of a wavelength-scan window: derived spectra and arithmetic.

#include "app/scan/scanderivative.h"
#include "app/scan/scanframe.h"
#include "app/scan/scanresample.h"
#include "app/scan/scansmooth.h"
#include "app/scan/sysmathsavgol.h"
#include "app/scan/wavecompute.h"
#include "core/scan/chartstyle.h"

namespace spectavo::app {
// A derived spectrum's colour is offered as the first the window does not use yet, so that overlays
// can be told apart.
int CScanFrame::unusedColourIndex() const {
    return scan::firstUnusedColourIndex(m_spectra.colours());
}

void CScanFrame::addDerived(std::optional<CWaveSpectrum> derived, std::optional<int> colourIndex) {
    if (!derived)
        return;
    if (colourIndex)
        derived->colour = scan::indexedColour(*colourIndex);
    m_spectra.insertFront(std::make_unique<CWaveSpectrum>(std::move(*derived)));
    m_spectra.setCurrent(0);
    refresh();
}

void CScanFrame::savitzkyGolay() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CSysMathSavGol dialog(QString::fromStdString(current->sampleName() + "-SavGol"), unusedColourIndex(),
                          this);
    if (dialog.exec() == QDialog::Accepted)
        addDerived(savitzkyGolaySpectrum(*current, dialog.degree(), dialog.derivative(), dialog.halfWidth(),
                                         dialog.resultName().toStdString(), m_host.program.flags.peakHeight),
                   dialog.colourIndex());
}

void CScanFrame::smooth() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CScanSmooth dialog(QString::fromStdString(current->sampleName() + "-s"), unusedColourIndex(), this);
    if (dialog.exec() == QDialog::Accepted)
        addDerived(smoothSpectrum(*current, dialog.range(), dialog.resultName().toStdString(),
                                  m_host.program.flags.peakHeight),
                   dialog.colourIndex());
}

void CScanFrame::derive() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CScanDerivative dialog(QString::fromStdString(current->sampleName() + "-d"), unusedColourIndex(), this);
    if (dialog.exec() == QDialog::Accepted)
        addDerived(derivativeSpectrum(*current, dialog.order(), dialog.resultName().toStdString(),
                                      m_host.program.flags.peakHeight),
                   dialog.colourIndex());
}

void CScanFrame::resample() {
    CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    CScanResample dialog(this);
    if (dialog.exec() == QDialog::Accepted &&
        resampleSpectrum(*current, dialog.factor(), m_host.program.flags.peakHeight))
        refresh();
}

void CScanFrame::computeArithmetic(SpectrumOperation operation) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (!m_spectra.at(i).acquiring.load())
            names.push_back(m_spectra.at(i).name);
    CWaveCompute dialog(names, operation, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto a = m_spectra.findByName(dialog.first().toStdString());
    const auto b = m_spectra.findByName(dialog.second().toStdString());
    if (a && b)
        addDerived(spectrumArithmetic(m_spectra.at(*a), m_spectra.at(*b), operation,
                                      dialog.resultName().toStdString(), m_host.program.flags.peakHeight));
}

} // namespace spectavo::app
