// The scan window's measuring and display settings: scan setup, energy scan, threshold, the settings
// sheet, the display range, undo and restore.

#include <QInputDialog>

#include "app/scan/displayrangedialog.h"
#include "app/scan/scanframe.h"
#include "app/scan/scanproperty.h"
#include "app/scan/scansetupdialog.h"
#include "app/scan/waveview.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/servicedialogs.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/peaklist.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;

} // namespace

void CScanFrame::setupScan() {
    CScanSetupDialog dialog(m_host.program.shared.scan, m_acquisition.instrumentReady(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_acquisition.sendScanParameters();
}

void CScanFrame::startEnergyScan() {
    CAmplifierDialog dialog(m_host.program.link, this, true);
    if (dialog.exec() == QDialog::Accepted)
        m_acquisition.startEnergyScan();
}

void CScanFrame::setupThreshold() {
    bool ok = false;
    const double value = QInputDialog::getDouble(
        this, "Setup peak/valley threshold", "Please key in the threshold(Abs)",
        m_host.program.flags.peakHeight, scan::kThresholdMin, scan::kThresholdMax, 4, &ok);
    if (!ok)
        return;
    m_host.program.flags.peakHeight = static_cast<float>(value);
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        if (!m_spectra.at(i).acquiring.load())
            m_spectra.at(i).recomputeMarks(m_host.program.flags.peakHeight);
    refresh();
}

// The settings sheet, preset with what the chart uses now.
void CScanFrame::customize() {
    ProfileFile wavescan(scan::CDisplayRange::kFileName, true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    CScanProperty sheet(scan::SpectrumSheet::preset(m_display.range(), m_absorbance, m_spectra.current(),
                                                    wavescan, analyst, m_view->fonts()),
                        this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    applySettingsSheet(sheet.sheet());
}

void CScanFrame::applySettingsSheet(const scan::SpectrumSheet &values) {
    ProfileFile wavescan(scan::CDisplayRange::kFileName, true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    scan::ChartFonts fonts = m_view->fonts();
    std::string message;
    {
        ProfileFile::Batch wavescanBatch(wavescan);
        ProfileFile::Batch analystBatch(analyst);
        message =
            values.apply(m_display, m_absorbance, m_spectra.current(), wavescanBatch, analystBatch, fonts);
    }
    m_view->setFonts(fonts);
    if (!message.empty())
        messages().show("Spectavo", message, Icon::Information);
    refresh();
}

void CScanFrame::showDisplayRangeDialog() {
    CDisplayRangeDialog dialog(m_display, m_base, m_absorbance, this);
    if (dialog.exec() == QDialog::Accepted)
        redraw();
}

void CScanFrame::undoScales() {
    // An entry may bring back another mode or other peak switches: the list is refilled too.
    if (const std::optional<bool> mode = m_display.undo(m_absorbance)) {
        m_absorbance = *mode;
        m_host.setAbsorbance(*mode);
    }
    refresh();
}

void CScanFrame::restoreScales() {
    m_display.restore(m_base);
    redraw();
}

void CScanFrame::togglePeakSwitch(bool peaks) {
    m_display.pushUndo(m_absorbance);
    std::int32_t &flag = peaks ? m_display.range().showPeaks : m_display.range().showValleys;
    flag = flag ? 0 : 1;
    refresh();
}

} // namespace spectavo::app
