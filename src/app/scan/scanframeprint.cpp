// The pages a wavelength-scan window prints: its chart and the current spectrum.

#include "app/scan/scanframe.h"
#include "app/scan/spectrumprinter.h"
#include "app/scan/waveview.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/datafileformats.h"

namespace spectavo::app {
namespace {

scan::SpectrumPrintSettings printSettings() {
    return scan::SpectrumPrintSettings::load(ProfileFile(scan::CDisplayRange::kFileName, true),
                                             ProfileFile(kAnalystSettingsFile, true));
}

} // namespace

std::unique_ptr<SpectrumPrinter> CScanFrame::makePrinter() const {
    const scan::CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return nullptr;
    scan::SpectrumPrintSettings settings = printSettings();
    settings.trailHead = m_host.trailHead();
    return std::make_unique<SpectrumPrinter>(
        m_view->scene(), printedRecordOf(*current, settings, m_display.range(), m_absorbance), m_view->size(),
        settings);
}

} // namespace spectavo::app
