// The time-scan window's setup and its settings sheet with the rate page.

#include "app/scan/scanproperty.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kinesetupdialog.h"
#include "app/scan/time/kineview.h"
#include "app/shell/qtmessageservice.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/program/sharedsettings.h"
#include "core/scan/time/kinesheet.h"

namespace spectavo::app {

void CKineFrame::setupScan() {
    const link::StationStatus &status = m_host.program.link.status();
    const link::StationConfig &config = m_host.program.link.config();
    const scan::KineSetupLimits limits{config.wlMinTenths.load() / 10.0f, config.wlMaxTenths.load() / 10.0f};
    CKineSetup dialog(m_host.program.shared.kinetics, status.currentWavelengthTenths.load() / 10.0f, limits,
                      m_acquisition.instrumentFree(), this);
    if (dialog.exec() == QDialog::Accepted)
        setupConfirmed();
}

void CKineFrame::setupConfirmed() {
    m_acquisition.gotoWavelength(m_host.program.shared.kinetics.wavelength);
    refreshCommands();
}

void CKineFrame::customize() {
    openSettingsSheet(false);
}

void CKineFrame::openSettingsSheet(bool atRatePage) {
    ProfileFile kinetics(program::KineticsSettings::kFileName, true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    CScanProperty sheet(scan::presetKineSheet(m_display.range(), m_absorbance, m_curves.current(), kinetics,
                                              analyst, m_view->fonts()),
                        this);
    // "Calculate" on the rate page: the fields taken over by the current curve, its new rate shown.
    sheet.onCalculate =
        [this](const scan::SpectrumSheet::Rate &rate) -> std::optional<scan::SpectrumSheet::Rate> {
        scan::CKineSpectrum *current = m_curves.current();
        if (!current || current->acquiring.load())
            return std::nullopt; // a curve still being measured has no rate yet
        if (const std::optional<std::string> refusal = scan::rateRangeRefusal(rate)) {
            messages().show("Spectavo", *refusal, shell::MessageService::Icon::Warning);
            return std::nullopt;
        }
        const scan::SpectrumSheet::Rate before = scan::rateFieldsOf(*current);
        scan::calculateRateFields(*current, rate);
        if (scan::rateFieldsOf(*current) != before)
            current->modified = true;
        return scan::rateFieldsOf(*current);
    };
    // OK with a rate range outside the curve changes nothing: the sheet stays open on the rate page.
    sheet.onConfirm = [](const scan::SpectrumSheet &values) -> std::optional<std::string> {
        return values.rate ? scan::rateRangeRefusal(*values.rate) : std::nullopt;
    };
    // The rate page is the sheet's last, there whenever a curve is.
    if (atRatePage)
        sheet.pages()->setCurrentIndex(sheet.pages()->count() - 1);
    if (sheet.exec() != QDialog::Accepted)
        return;
    applySettingsSheet(sheet.sheet());
}

void CKineFrame::applySettingsSheet(const scan::SpectrumSheet &values) {
    ProfileFile kinetics(program::KineticsSettings::kFileName, true);
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

} // namespace spectavo::app
