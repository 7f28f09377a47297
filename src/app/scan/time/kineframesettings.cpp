// The time-scan window's measuring and display settings: the setup, the threshold, the settings
// sheet with its rate page, the display range, undo and restore.

#include <QInputDialog>

#include "app/scan/displayrangedialog.h"
#include "app/scan/scanproperty.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kinesetupdialog.h"
#include "app/scan/time/kineview.h"
#include "app/shell/qtmessageservice.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/peaklist.h"
#include "core/scan/time/kinesheet.h"
#include "core/shell/sharedsettings.h"

namespace spectavo::app {

void CKineFrame::setupScan() {
    const link::StationStatus &status = m_host.program.link.status();
    const link::StationConfig &config = m_host.program.link.config();
    const KineSetupLimits limits{config.wlMinTenths.load() / 10.0f, config.wlMaxTenths.load() / 10.0f};
    CKineSetup dialog(m_host.program.shared.kinetics, status.currentWavelengthTenths.load() / 10.0f, limits,
                      m_acquisition.instrumentFree(), this);
    if (dialog.exec() == QDialog::Accepted)
        setupConfirmed();
}

void CKineFrame::setupConfirmed() {
    m_acquisition.gotoWavelength(m_host.program.shared.kinetics.wavelength);
    refreshCommands();
}

void CKineFrame::setupThreshold() {
    bool ok = false;
    const double value = QInputDialog::getDouble(
        this, "Setup peak/valley threshold", "Please key in the threshold(Abs)",
        m_host.program.flags.peakHeight, scan::kThresholdMin, scan::kThresholdMax, 4, &ok);
    if (!ok)
        return;
    m_host.program.flags.peakHeight = static_cast<float>(value);
    for (std::size_t i = 0; i < m_curves.size(); ++i)
        m_curves.at(i).recomputeMarkers(m_host.program.flags.peakHeight);
    refresh();
}

void CKineFrame::customize() {
    ProfileFile kinetics(shell::KineticsSettings::kFileName, true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    CScanProperty sheet(scan::presetKineSheet(m_display.range(), m_absorbance, m_curves.current(), kinetics,
                                              analyst, m_view->fonts()),
                        this);
    // "Calculate" on the rate page: the fields taken over by the current curve, its new rate shown.
    sheet.onCalculate =
        [this](const scan::SpectrumSheet::Rate &rate) -> std::optional<scan::SpectrumSheet::Rate> {
        CKineSpectrum *current = m_curves.current();
        if (!current)
            return std::nullopt;
        if (const std::optional<std::string> refusal = scan::rateRangeRefusal(rate)) {
            messages().show("Spectavo", *refusal, shell::MessageService::Icon::Warning);
            return std::nullopt;
        }
        if (scan::rateFieldsOf(*current) != rate)
            current->modified = true;
        scan::applyRateFields(*current, rate);
        return scan::rateFieldsOf(*current);
    };
    if (sheet.exec() != QDialog::Accepted)
        return;
    if (const scan::SpectrumSheet &values = sheet.sheet(); values.rate) {
        if (const std::optional<std::string> refusal = scan::rateRangeRefusal(*values.rate))
            messages().show("Spectavo", *refusal, shell::MessageService::Icon::Warning);
    }
    applySettingsSheet(sheet.sheet());
}

void CKineFrame::applySettingsSheet(const scan::SpectrumSheet &values) {
    ProfileFile kinetics(shell::KineticsSettings::kFileName, true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    scan::ChartFonts fonts = m_view->fonts();
    std::string message;
    {
        ProfileFile::Batch kineticsBatch(kinetics);
        ProfileFile::Batch analystBatch(analyst);
        message = scan::applyKineSheet(values, m_display, m_absorbance, m_curves.current(), kineticsBatch,
                                       analystBatch, fonts);
    }
    m_view->setFonts(fonts);
    if (!message.empty())
        messages().show("Spectavo", message, shell::MessageService::Icon::Information);
    refresh();
}

void CKineFrame::showDisplayRangeDialog() {
    CDisplayRangeDialog dialog(m_display, m_base, m_absorbance, this);
    if (dialog.exec() == QDialog::Accepted) {
        ProfileFile(shell::KineticsSettings::kFileName, true)
            .PutInt("Grid", "ManualSet", m_display.range().manual);
        redraw();
    }
}

void CKineFrame::undoScales() {
    if (const std::optional<bool> mode = m_display.undo(m_absorbance)) {
        m_absorbance = *mode;
        m_host.setAbsorbance(*mode);
    }
    ProfileFile(shell::KineticsSettings::kFileName, true).PutInt("Grid", "ManualSet", 0);
    m_display.range().manual = 0;
    refresh();
}

void CKineFrame::restoreScales() {
    m_display.restore(m_base);
    ProfileFile(shell::KineticsSettings::kFileName, true).PutInt("Grid", "ManualSet", 0);
    redraw();
}

void CKineFrame::togglePeakSwitch(bool peaks) {
    m_display.pushUndo(m_absorbance);
    std::int32_t &flag = peaks ? m_display.range().showPeaks : m_display.range().showValleys;
    flag = flag ? 0 : 1;
    refresh();
}

} // namespace spectavo::app
