// The pages a time-scan window prints: its chart and the current curve.

#include "app/scan/spectrumprinter.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/program/sharedsettings.h"
#include "core/scan/time/kineprint.h"

namespace spectavo::app {

std::unique_ptr<SpectrumPrinter> CKineFrame::makePrinter() const {
    const scan::CKineSpectrum *current = m_curves.current();
    if (!current || current->acquiring.load())
        return nullptr;
    scan::SpectrumPrintSettings settings = scan::loadKinePrintSettings(
        ProfileFile(program::KineticsSettings::kFileName, true), ProfileFile(kAnalystSettingsFile, true));
    settings.trailHead = m_host.trailHead();
    PrintedRecord record;
    record.information = scan::kineInformationLines(*current, settings);
    for (std::size_t point : scan::kinePrintedPoints(*current, m_display.range()))
        record.rows.push_back(scan::kineDataRowTexts(*current, point, m_absorbance));
    return std::make_unique<SpectrumPrinter>(m_view->scene(), std::move(record), m_view->size(), settings);
}

} // namespace spectavo::app
