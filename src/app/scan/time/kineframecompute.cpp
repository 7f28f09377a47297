// The Compute menu of a time-scan window: derived curves, resampling and curve arithmetic. A derived
// curve keeps its source's colour.

#include "app/scan/scanderivative.h"
#include "app/scan/scanresample.h"
#include "app/scan/scansmooth.h"
#include "app/scan/sysmathsavgol.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/wavecompute.h"
#include "core/scan/time/kinecompute.h"

namespace spectavo::app {
namespace {

// The derived curve keeps its source's colour: the dialogs offer none.
constexpr int kSourceColour = -1;

} // namespace

// The new curve goes in front and is current.
void CKineFrame::addProcessed(std::optional<CKineSpectrum> made) {
    if (!made)
        return;
    m_curves.insertFront(std::make_unique<CKineSpectrum>(std::move(*made)));
    m_curves.setCurrent(0);
    refresh();
}

void CKineFrame::savitzkyGolay() {
    const CKineSpectrum *current = m_curves.current();
    if (!current || current->acquiring.load())
        return;
    CSysMathSavGol dialog(QString::fromStdString(current->sampleName() + "-SavGol"), kSourceColour, this);
    if (dialog.exec() == QDialog::Accepted)
        addProcessed(savitzkyGolayCurve(*current, dialog.degree(), dialog.derivative(), dialog.halfWidth(),
                                        dialog.resultName().toStdString(), m_host.program.flags.peakHeight));
}

void CKineFrame::smooth() {
    const CKineSpectrum *current = m_curves.current();
    if (!current || current->acquiring.load())
        return;
    CScanSmooth dialog(QString::fromStdString(current->sampleName() + "-s"), kSourceColour, this);
    if (dialog.exec() == QDialog::Accepted)
        addProcessed(movingAverageCurve(*current, dialog.range(), dialog.resultName().toStdString(),
                                        m_host.program.flags.peakHeight));
}

void CKineFrame::derive() {
    const CKineSpectrum *current = m_curves.current();
    if (!current || current->acquiring.load())
        return;
    CScanDerivative dialog(QString::fromStdString(current->sampleName() + "-d"), kSourceColour, this);
    if (dialog.exec() == QDialog::Accepted)
        addProcessed(differenceCurve(*current, dialog.order(), dialog.resultName().toStdString(),
                                     m_host.program.flags.peakHeight));
}

void CKineFrame::resample() {
    CKineSpectrum *current = m_curves.current();
    if (!current || current->acquiring.load())
        return;
    CScanResample dialog(this);
    if (dialog.exec() == QDialog::Accepted &&
        resampleCurve(*current, dialog.factor(), m_host.program.flags.peakHeight))
        refresh();
}

void CKineFrame::computeArithmetic(bool add) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        if (!m_curves.at(i).acquiring.load())
            names.push_back(m_curves.at(i).name);
    CWaveCompute dialog(names, add ? SpectrumOperation::Add : SpectrumOperation::Subtract, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A name that matches no curve (an empty list) is refused: nothing is computed.
    const auto a = m_curves.findByName(dialog.first().toStdString());
    const auto b = m_curves.findByName(dialog.second().toStdString());
    if (a && b)
        addProcessed(curveArithmetic(m_curves.at(*a), m_curves.at(*b),
                                     add ? CurveOperation::Add : CurveOperation::Subtract,
                                     dialog.resultName().toStdString(), m_host.program.flags.peakHeight));
}

} // namespace spectavo::app
