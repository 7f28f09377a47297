#include "app/scan/spectrumprinter.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/fonts.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

QColor slotColour(const scan::ChartFonts &fonts, scan::ChartFontSlot slot) {
    return chartColour(fonts.colours[static_cast<std::size_t>(slot)]);
}

} // namespace

PrintedRecord printedRecordOf(const scan::CWaveSpectrum &spectrum,
                              const scan::SpectrumPrintSettings &settings, const scan::CDisplayRange &range,
                              bool absorbance) {
    PrintedRecord record;
    record.information = scan::informationLines(spectrum, settings);
    for (std::size_t point : scan::printedPoints(spectrum, range))
        record.rows.push_back(scan::dataRowTexts(spectrum, point, absorbance));
    return record;
}

SpectrumPrinter::SpectrumPrinter(SpectrumChartScene scene, PrintedRecord record, QSize chartClient,
                                 scan::SpectrumPrintSettings settings)
    : m_scene(std::move(scene)), m_record(std::move(record)), m_chartClient(chartClient),
      m_settings(std::move(settings)) {}

// A slot's height is read as points on paper.
QFont SpectrumPrinter::printerFont(scan::ChartFontSlot slot, int dpi) const {
    QFont font = toQFont(m_scene.fonts.fonts[static_cast<std::size_t>(slot)]);
    font.setPixelSize(std::max(1, m_scene.fonts.height(slot) * dpi / 72));
    return font;
}

// The scene with every text's height taken as points on a device of `dpi`.
SpectrumChartScene SpectrumPrinter::sceneInPoints(int dpi) const {
    SpectrumChartScene scene = m_scene;
    scene.lineScale = dpi / 96.0;
    for (std::size_t slot = 0; slot < scene.fonts.fonts.size(); ++slot)
        scene.fonts.fonts[slot].height =
            std::max(1, scene.fonts.height(static_cast<scan::ChartFontSlot>(slot)) * dpi / 72);
    return scene;
}

int SpectrumPrinter::prepare(QPagedPaintDevice &device) {
    m_dataPages.clear();
    const int dpi = device.logicalDpiY();
    m_tableFont = printerFont(scan::kSlotPrintData, dpi);
    m_titleFont = printerFont(scan::kSlotTitle, dpi);
    if (m_settings.dataPages) {
        const QFontMetrics table(m_tableFont, &device);
        const QFontMetrics title(m_titleFont, &device);
        const scan::DataTableMetrics metrics{table.horizontalAdvance("testm"), table.height(), title.height(),
                                             device.width(), device.height()};
        std::vector<std::size_t> rows(m_record.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = i;
        m_dataPages = scan::layoutDataPages(rows, metrics);
    }
    return pageCount();
}

bool SpectrumPrinter::print(QPrinter &printer) {
    if (prepare(printer) == 0)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        paintPage(painter, printer, page);
    }
    return painter.end();
}

void SpectrumPrinter::paintPage(QPainter &painter, QPagedPaintDevice &device, int page) const {
    const QRect area(0, 0, device.width(), device.height());
    if (m_settings.chartPage && page == 0)
        paintChartPage(painter, area, device.logicalDpiY());
    else
        paintDataPage(painter, area, page - (m_settings.chartPage ? 1 : 0));
}

void SpectrumPrinter::paintChartPage(QPainter &painter, const QRect &page, int dpi) const {
    painter.save();
    QRect area = page;
    // The foot: the note right-aligned at the bottom, a rule above it; the chart stays above the rule.
    const QFont footFont = printerFont(scan::kSlotPrintFoot, dpi);
    const int footHeight = QFontMetrics(footFont, painter.device()).height();
    const int ruleY = page.bottom() - 2 * footHeight;
    const QRect note(page.left(), page.top(), page.width(), page.height() - footHeight / 2);
    painter.setFont(footFont);
    painter.setPen(slotColour(m_scene.fonts, scan::kSlotPrintFoot));
    if (m_settings.foot) {
        painter.drawText(note, Qt::AlignRight | Qt::AlignBottom, QString::fromStdString(m_settings.footNote));
        painter.drawLine(0, ruleY, page.right(), ruleY);
    }
    // The trail's head anchors the page to the audit trail: whoever holds the page can prove later
    // that the trail still holds that event unchanged.
    painter.drawText(note, Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(m_settings.trailHead));
    area.setBottom(ruleY);

    const bool portrait = area.width() < area.height();
    const QRect chartArea = portrait ? QRect(area.left(), area.top(), area.width(), area.height() / 2)
                                     : QRect(area.left(), area.top(), area.width() * 8 / 10, area.height());
    // The chart is laid out on the paper itself, its texts at their sizes in points: scaling the
    // screen's picture would shrink every text with the mapping.
    QSizeF size(m_chartClient);
    double sx = chartArea.width() / size.width();
    double sy = chartArea.height() / size.height();
    QPointF origin = chartArea.topLeft();
    if (m_settings.keepShape) {
        sx = sy = std::min(sx, sy);
        if (m_settings.centreHorizontally)
            origin.rx() += (chartArea.width() - size.width() * sx) / 2;
        if (m_settings.centreVertically)
            origin.ry() += (chartArea.height() - size.height() * sy) / 2;
    }
    const QRect target(origin.toPoint(),
                       QSize(static_cast<int>(size.width() * sx), static_cast<int>(size.height() * sy)));
    paintSpectrumChart(painter, target, sceneInPoints(dpi));

    // The information block beside (landscape) or below (portrait) the chart.
    painter.setFont(m_tableFont);
    painter.setPen(slotColour(m_scene.fonts, scan::kSlotPrintData));
    const QFontMetrics metrics(m_tableFont, painter.device());
    const int lineHeight = metrics.height();
    const int titleHeight = QFontMetrics(m_titleFont, painter.device()).height();
    const scan::BlockOrigin block =
        scan::informationBlockOrigin(page.width(), page.height(), lineHeight, titleHeight);
    const int x = page.left() + block.x;
    int y = page.top() + block.y;
    const int valueX =
        x + scan::informationValueOffset(m_record.information, [&metrics](const std::string &text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        });
    for (const scan::InformationLine &line : m_record.information) {
        painter.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(line.label));
        if (!line.value.empty())
            painter.drawText(QPoint(valueX, y + metrics.ascent()), QString::fromStdString(line.value));
        y += lineHeight * 4 / 3;
    }
    painter.restore();
}

void SpectrumPrinter::paintDataPage(QPainter &painter, const QRect &area, int index) const {
    if (index < 0 || index >= static_cast<int>(m_dataPages.size()))
        return;
    painter.save();
    if (index == 0) {
        painter.setFont(m_titleFont);
        painter.setPen(slotColour(m_scene.fonts, scan::kSlotTitle));
        const int height = QFontMetrics(m_titleFont, painter.device()).height();
        painter.drawText(QRect(area.left(), area.top() + 2 * height, area.width(), height),
                         Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(m_settings.dataTitle));
    }
    painter.setFont(m_tableFont);
    painter.setPen(slotColour(m_scene.fonts, scan::kSlotPrintData));
    const QFontMetrics metrics(m_tableFont, painter.device());
    const int u = metrics.horizontalAdvance("testm");
    const int t = metrics.horizontalAdvance("t");
    const int tttt = metrics.horizontalAdvance("tttt");
    const auto rightAligned = [&](int right, int top, const std::string &text) {
        const QString shown = QString::fromStdString(text);
        painter.drawText(QPoint(right - metrics.horizontalAdvance(shown), top + metrics.ascent()), shown);
    };
    for (const scan::DataRow &row : m_dataPages[static_cast<std::size_t>(index)].rows) {
        const scan::DataRowTexts &texts = m_record.rows.at(row.point);
        rightAligned(area.left() + row.x + 2 * u - t, area.top() + row.y, texts.wavelength);
        rightAligned(area.left() + row.x + 4 * u - tttt, area.top() + row.y, texts.value);
        rightAligned(area.left() + row.x + 4 * u - t, area.top() + row.y, texts.mark);
    }
    painter.restore();
}

QPageLayout &scanPageLayout() {
    static QPageLayout layout = [] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        return printer.pageLayout();
    }();
    return layout;
}

bool printPagesToPdf(SpectrumPrinter &pages, const QString &path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(scanPageLayout());
    if (pages.print(printer))
        return true;
    messages().show("Spectavo", strings::trFormat("Cannot write %s.", path.toStdString().c_str()),
                    shell::MessageService::Icon::Error);
    return false;
}

void printOnPrinter(SpectrumPrinter &pages, QWidget *parent, const std::function<void()> &exportPdf) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        if (messages().ask("Spectavo",
                           SPECTAVO_TEXT("Error\n\nNo printer is set up. Export as PDF... instead?"),
                           shell::MessageService::Icon::Error))
            exportPdf();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(scanPageLayout());
    printer.setFromTo(1, pages.prepare(printer));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        pages.print(printer);
}

void previewPages(SpectrumPrinter &pages, QWidget *parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(scanPageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    if (auto *widget = preview.findChild<QPrintPreviewWidget *>())
        widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter *target) { pages.print(*target); });
    preview.exec();
}

} // namespace spectavo::app
