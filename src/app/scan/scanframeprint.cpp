// Printing a wavelength-scan window: the printer, the preview with two pages side by side, and the
// same pages into a PDF file.

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/scan/scanframe.h"
#include "app/scan/spectrumprinter.h"
#include "app/scan/waveview.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/scan/datafileformats.h"
#include "core/strings/cformat.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;

scan::SpectrumPrintSettings printSettings() {
    return scan::SpectrumPrintSettings::load(ProfileFile(scan::CDisplayRange::kFileName, true),
                                             ProfileFile(kAnalystSettingsFile, true));
}

} // namespace

std::unique_ptr<SpectrumPrinter> CScanFrame::makePrinter() const {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current)
        return nullptr;
    return std::make_unique<SpectrumPrinter>(m_view->scene(), *current, m_view->size(), printSettings());
}

bool CScanFrame::printToPdf(const QString &path) {
    const auto pages = makePrinter();
    if (!pages)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const bool printed = pages->print(printer);
    m_printedPages = pages->pageCount();
    if (!printed) {
        messages().show("Spectavo", strings::formatC("Cannot write %s.", path.toStdString().c_str()),
                        Icon::Error);
        return false;
    }
    return true;
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

// Without a default printer the operator hears so and may put the pages into a PDF file instead.
bool CScanFrame::havePrinter() {
    if (!QPrinterInfo::defaultPrinter().isNull())
        return true;
    if (messages().ask("Spectavo", "Error\n\nNo printer is set up. Export as PDF... instead?", Icon::Error))
        exportPdf();
    return false;
}

void CScanFrame::print() {
    const auto pages = makePrinter();
    if (!pages || !havePrinter())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFromTo(1, pages->prepare(printer));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        pages->print(printer);
}

void CScanFrame::printPreview() {
    const auto pages = makePrinter();
    if (!pages)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    if (auto *widget = preview.findChild<QPrintPreviewWidget *>())
        widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&pages](QPrinter *target) { pages->print(*target); });
    preview.exec();
}

} // namespace spectavo::app
