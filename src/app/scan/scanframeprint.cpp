// Printing a wavelength-scan window: the printer, the preview with two pages side by side, and the
// same pages into a PDF file.

#include "app/scan/scanframe.h"
#include "app/scan/spectrumprinter.h"
#include "app/scan/waveview.h"
#include "app/widgets/filechooser.h"
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
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return nullptr;
    const scan::SpectrumPrintSettings settings = printSettings();
    return std::make_unique<SpectrumPrinter>(
        m_view->scene(), printedRecordOf(*current, settings, m_display.range(), m_absorbance), m_view->size(),
        settings);
}

bool CScanFrame::printToPdf(const QString &path) {
    const auto pages = makePrinter();
    if (!pages)
        return false;
    const bool printed = printPagesToPdf(*pages, path);
    m_printedPages = pages->pageCount();
    return printed;
}

void CScanFrame::exportPdf() {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return;
    const QString path =
        fileChooser().chooseSave(this, "PDF document(*.pdf)",
                                 QString::fromStdString(scan::exportFileName(current->name, "pdf")), "pdf");
    if (!path.isEmpty())
        printToPdf(path);
}

void CScanFrame::print() {
    if (const auto pages = makePrinter())
        printOnPrinter(*pages, this, [this] { exportPdf(); });
}

void CScanFrame::printPreview() {
    if (const auto pages = makePrinter())
        previewPages(*pages, this);
}

} // namespace spectavo::app
