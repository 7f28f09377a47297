// Printing a time-scan window: the chart page and the data pages of the current curve, on the
// printer, in the preview and into a PDF file.

#include <QPageSetupDialog>
#include <QPrinter>

#include "app/scan/spectrumprinter.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "app/widgets/filechooser.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/datafileformats.h"
#include "core/scan/time/kineprint.h"
#include "core/shell/sharedsettings.h"

namespace spectavo::app {

std::unique_ptr<SpectrumPrinter> CKineFrame::makePrinter() const {
    const CKineSpectrum *current = m_curves.current();
    if (!current || current->acquiring.load())
        return nullptr;
    const scan::SpectrumPrintSettings settings = scan::loadKinePrintSettings(
        ProfileFile(shell::KineticsSettings::kFileName, true), ProfileFile(kAnalystSettingsFile, true));
    PrintedRecord record;
    record.information = scan::kineInformationLines(*current, settings);
    for (std::size_t point : scan::kinePrintedPoints(*current, m_display.range()))
        record.rows.push_back(scan::kineDataRowTexts(*current, point, m_absorbance));
    record.widestLabel = "Wavelength:";
    return std::make_unique<SpectrumPrinter>(m_view->scene(), std::move(record), m_view->size(), settings);
}

bool CKineFrame::printToPdf(const QString &path) {
    const auto pages = makePrinter();
    if (!pages)
        return false;
    const bool printed = printPagesToPdf(*pages, path);
    m_printedPages = pages->pageCount();
    return printed;
}

void CKineFrame::exportPdf() {
    const CKineSpectrum *current = m_curves.current();
    if (!current)
        return;
    const QString path =
        fileChooser().chooseSave(this, "PDF document(*.pdf)",
                                 QString::fromStdString(scan::exportFileName(current->name, "pdf")), "pdf");
    if (!path.isEmpty())
        printToPdf(path);
}

void CKineFrame::print() {
    if (const auto pages = makePrinter())
        printOnPrinter(*pages, this, [this] { exportPdf(); });
}

void CKineFrame::printPreview() {
    if (const auto pages = makePrinter())
        previewPages(*pages, this);
}

void CKineFrame::printSetup() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(scanPageLayout());
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        scanPageLayout() = printer.pageLayout();
}

} // namespace spectavo::app
