// The report of a fixed-wavelength document: the operator chooses the parts, the core lays out the
// pages in the printer's dots, and they are drawn here on the printer or into a PDF file.

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/fixed/fixedreport.h"

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/quan/quancurve.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/uitext.h"
#include "core/fixed/calibration.h"
#include "core/fixed/reportlayout.h"
#include "core/fixed/validity.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

using Icon = shell::MessageService::Icon;
constexpr const char *kPrintPage = SPECTAVO_TEXT("Print this page?");
constexpr const char *kPrintMemo = SPECTAVO_TEXT("Print the memo information?");

std::array<QFont, kReportFonts> printFonts(const CFixedView &view) {
    std::array<QFont, kReportFonts> fonts;
    for (int i = 0; i < kReportFonts; ++i) {
        QFont font = view.font(i);
        const qreal size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
        font.setPointSizeF(std::max<qreal>(size, 1.0));
        fonts[static_cast<std::size_t>(i)] = font;
    }
    return fonts;
}

// A table as printed: the header row and the rows in use (the validity table: one per wavelength).
// Its cells in the operator's language, as the window shows them (headings, "Pass", "Fail").
fixed::ReportTable reportTable(const std::string &title, const fixed::SampleTable &table, int rows) {
    fixed::ReportTable printed{title, {}, {}};
    for (int row = 0; row <= rows; ++row) {
        std::vector<std::string> cells = table.grid().rowTexts(row);
        for (std::string &cell : cells)
            cell = strings::tr(cell);
        printed.rows.push_back(std::move(cells));
    }
    return printed;
}

// The samples' concentrations say what calibration they rest on; those an earlier one gave carry a
// mark and a note.
void noteCalibration(fixed::ReportTable &printed, const fixed::SampleTable &table,
                     const fixed::FixedMethodRecord &method) {
    if (!fixed::concentrationMode(method))
        return;
    printed.notes.push_back(fixed::calibrationSourceText(method.calibrationSource));
    const std::vector<int> stale = fixed::staleConcentrationRows(table, method);
    const auto column = static_cast<std::size_t>(fixed::concentrationColumn(method));
    for (int row : stale)
        if (const auto at = static_cast<std::size_t>(row);
            at < printed.rows.size() && column < printed.rows[at].size())
            printed.rows[at][column] += " *";
    if (!stale.empty())
        printed.notes.push_back("* " + strings::tr(fixed::kStaleConcentrations));
}

// A validity table ends with the test's tolerance and its verdict as a whole.
void noteVerdict(fixed::ReportTable &printed, const fixed::SampleTable &table,
                 const fixed::FixedMethodRecord &method, bool absorbanceMode) {
    const int test =
        method.methodIndex == fixed::kWavelengthTest ? fixed::kWavelengthTest : fixed::kPhotometricTest;
    printed.notes.push_back(strings::trFormat(
        fixed::kToleranceLine, fixed::toleranceText(test, method.coefficients[0], absorbanceMode).c_str()));
    const std::string verdict = fixed::overallVerdict(table, method.count);
    if (!verdict.empty())
        printed.notes.push_back(strings::trFormat(fixed::kOverallVerdict, strings::tr(verdict).c_str()));
}

void drawItem(QPainter &painter, const fixed::ReportItem &item, const ReportDeviceMetrics &metrics,
              const QuanChartScene *scene) {
    switch (item.kind) {
    case fixed::ReportItem::kText:
        painter.setFont(metrics.font(item.font));
        painter.drawText(QPoint(item.x, item.y + metrics.ascent(item.font)),
                         QString::fromStdString(item.text));
        return;
    case fixed::ReportItem::kLine:
        painter.setPen(QPen(Qt::black, item.thickness));
        painter.drawLine(item.x, item.y, item.x2, item.y2);
        return;
    case fixed::ReportItem::kCurve:
        if (scene) {
            // The chart keeps the proportions it has on screen, stretched onto its area of the page.
            const QRectF screen(0, 0, 640, 400);
            painter.save();
            painter.translate(item.x, item.y);
            painter.scale((item.x2 - item.x) / screen.width(), (item.y2 - item.y) / screen.height());
            paintQuanChart(painter, screen, *scene, true);
            painter.restore();
        }
        return;
    }
}

// Asks for the parts in order; nothing when the operator declined the last table.
std::optional<fixed::ReportContent> chooseReportContent(CFixedView &view) {
    CFixedMethod *method = view.MethodPage();
    CFixedMemo *memo = view.InformationPage();
    method->takeData();
    memo->takeData();
    const fixed::FixedMethodRecord &record = method->record();
    const fixed::ReportTexts &texts = memo->texts();
    const bool fixedPoints = view.family() == fixed::DocumentFamily::FixedPoints;
    fixed::ReportContent content{texts.title, texts.footnote,        std::nullopt, false,
                                 {},          fixed::reportDateNow()};
    bool lastAccepted = false;
    for (fixed::ReportPart part :
         fixed::reportQuestions(fixedPoints, fixed::concentrationMode(record), record.reference != 0)) {
        switch (part) {
        case fixed::ReportPart::kMemo:
            view.SwitchToPage(CFixedView::kMemoKey);
            if ((lastAccepted = messages().ask("Spectavo", kPrintMemo, Icon::Question)))
                content.memo = fixed::ReportContent::Memo{texts.operatorName, texts.dateTime, texts.memo};
            break;
        case fixed::ReportPart::kCurve:
            view.SwitchToPage(CFixedView::kFittingKey);
            content.curve = lastAccepted = messages().ask("Spectavo", kPrintPage, Icon::Question);
            break;
        case fixed::ReportPart::kStandards:
            view.SwitchToPage(CFixedView::kStandardKey);
            if ((lastAccepted = messages().ask("Spectavo", kPrintPage, Icon::Question)))
                content.tables.push_back(reportTable(texts.standardTitle, view.StandardTable()->table(),
                                                     view.StandardTable()->table().rowCount()));
            break;
        case fixed::ReportPart::kSamples: {
            view.SwitchToPage(CFixedView::kSampleKey);
            const fixed::SampleTable &table = view.SamplePage()->table();
            const int rows = view.family() == fixed::DocumentFamily::Validity
                                 ? std::clamp(record.count, 1, fixed::kValidityWavelengths)
                                 : table.rowCount();
            if ((lastAccepted = messages().ask("Spectavo", kPrintPage, Icon::Question))) {
                content.tables.push_back(reportTable(texts.sampleTitle, table, rows));
                if (fixedPoints)
                    noteCalibration(content.tables.back(), table, record);
                if (view.family() == fixed::DocumentFamily::Validity)
                    noteVerdict(content.tables.back(), table, record,
                                view.program().flags.absorbanceMode != 0);
            }
            break;
        }
        }
    }
    if (!lastAccepted)
        return std::nullopt;
    return content;
}

} // namespace

ReportDeviceMetrics::ReportDeviceMetrics(const std::array<QFont, kReportFonts> &fonts, QPaintDevice &device) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        m_fonts[i] = QFont(fonts[i], &device);
        m_metrics.emplace_back(m_fonts[i], &device);
    }
}

std::size_t ReportDeviceMetrics::index(int font) {
    return static_cast<std::size_t>(std::clamp(font, 0, kReportFonts - 1));
}

int ReportDeviceMetrics::textWidth(int font, const std::string &text) {
    return m_metrics[index(font)].horizontalAdvance(QString::fromStdString(text));
}

int ReportDeviceMetrics::textHeight(int font) {
    return m_metrics[index(font)].height();
}

int ReportDeviceMetrics::averageCharWidth(int font) {
    return m_metrics[index(font)].averageCharWidth();
}

int ReportDeviceMetrics::ascent(int font) const {
    return m_metrics[index(font)].ascent();
}

const QFont &ReportDeviceMetrics::font(int number) const {
    return m_fonts[index(number)];
}

std::optional<int> paintReport(QPagedPaintDevice &device, const fixed::ReportContent &content,
                               const std::array<QFont, kReportFonts> &fonts, const QuanChartScene *scene) {
    ReportDeviceMetrics deviceMetrics(fonts, device);
    fixed::MeasureOnce metrics(deviceMetrics);
    const fixed::ReportPageSize size{device.width(), device.height(), device.logicalDpiY()};
    const std::vector<fixed::ReportPage> pages = fixed::layoutReport(content, size, metrics);
    QPainter painter;
    if (!painter.begin(&device))
        return std::nullopt;
    painter.setBackgroundMode(Qt::TransparentMode);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        for (const fixed::ReportItem &item : pages[page].items)
            drawItem(painter, item, deviceMetrics, scene);
    }
    if (!painter.end())
        return std::nullopt;
    return static_cast<int>(pages.size());
}

bool CFixedFrame::printReport(QPagedPaintDevice &device, const QString &documentName) {
    const std::optional<fixed::ReportContent> content = chooseReportContent(*m_view);
    m_printedPages = 0;
    if (!content)
        return false;
    QPrinter *printer = dynamic_cast<QPrinter *>(&device);
    if (printer)
        printer->setDocName(documentName);
    fixed::ReportContent signedContent = *content;
    signedContent.trailHead = m_host.trailHead();
    const std::optional<QuanChartScene> scene = m_view->chartScene();
    const std::optional<int> pages =
        paintReport(device, signedContent, printFonts(*m_view), scene ? &*scene : nullptr);
    if (!pages) {
        messages().show("Spectavo", SPECTAVO_TEXT("Could not start print job."), Icon::Error);
        messages().show("Spectavo", SPECTAVO_TEXT("Error"), Icon::Error);
        return false;
    }
    m_printedPages = *pages;
    // A PDF is a file the trail names with its hash; paper names the printer.
    if (printer)
        m_host.fileWritten("document printed", printer->outputFileName().isEmpty()
                                                   ? "printer " + printer->printerName()
                                                   : printer->outputFileName());
    return true;
}

void CFixedFrame::print() {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        if (messages().ask("Spectavo",
                           SPECTAVO_TEXT("Error\n\nNo printer is set up. Export as PDF... instead?"),
                           Icon::Error))
            exportPdf();
        return;
    }
    if (!m_view->settleStaleResults())
        return;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printReport(printer, "Spectavo:Fixed points mode printing...");
}

bool CFixedFrame::printToPdf(const QString &path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    return printReport(printer, "Spectavo:Fixed points mode printing...");
}

void CFixedFrame::exportPdf() {
    if (!m_view->settleStaleResults())
        return;
    const QString base =
        m_document.path.isEmpty() ? QString("report") : QFileInfo(m_document.path).completeBaseName();
    const QString path = fileChooser().proposeSave(this, ui("PDF document(*.pdf)"), base + ".pdf", "pdf");
    if (!path.isEmpty())
        printToPdf(path);
}

} // namespace spectavo::app
