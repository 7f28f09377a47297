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

} // namespace spectavo::app
