#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QFont>
#include <QRect>

#include "app/scan/spectrumchart.h"
#include "core/scan/spectrumprint.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QPageLayout;
class QWidget;
class QString;

namespace spectavo::app {

// What the pages say about the current record: its information block and the rows of its data pages.
struct PrintedRecord {
    std::vector<scan::InformationLine> information;
    std::vector<scan::DataRowTexts> rows;
};
PrintedRecord printedRecordOf(const scan::CWaveSpectrum &spectrum,
                              const scan::SpectrumPrintSettings &settings, const scan::CDisplayRange &range,
                              bool absorbance);

// The print of a scan window: a chart page (the screen's chart scaled onto the page, the information
// block, the foot) and data pages listing the current record's points. Pages are laid out for the
// device actually printed to.
class SpectrumPrinter {
public:
    // `chartClient` is the chart pane's size on screen: the chart keeps the proportions it has there.
    SpectrumPrinter(SpectrumChartScene scene, PrintedRecord record, QSize chartClient,
                    scan::SpectrumPrintSettings settings);

    // Lays the pages out for the device; returns their number.
    int prepare(QPagedPaintDevice &device);
    int pageCount() const { return (m_settings.chartPage ? 1 : 0) + static_cast<int>(m_dataPages.size()); }
    // Prepares for the printer and draws every page on it.
    bool print(QPrinter &printer);

private:
    void paintPage(QPainter &painter, QPagedPaintDevice &device, int page) const;
    void paintChartPage(QPainter &painter, const QRect &area, int dpi) const;
    void paintDataPage(QPainter &painter, const QRect &area, int index) const;
    SpectrumChartScene sceneInPoints(int dpi) const;
    QFont printerFont(scan::ChartFontSlot slot, int dpi) const;

    SpectrumChartScene m_scene;
    PrintedRecord m_record;
    QSize m_chartClient;
    scan::SpectrumPrintSettings m_settings;
    std::vector<scan::DataPage> m_dataPages;
    QFont m_tableFont;
    QFont m_titleFont;
};

// The paper and orientation "Print Setup..." chose, for every print and PDF file of the scan windows
// (A4 portrait until then).
QPageLayout &scanPageLayout();

// The print flows both scan windows share. Into a PDF file (A4 portrait); false, the operator told,
// when it cannot be written.
bool printPagesToPdf(SpectrumPrinter &pages, const QString &path);
// On the default printer after the print dialog; without one the operator is asked whether to export
// a PDF file instead (`exportPdf`).
void printOnPrinter(SpectrumPrinter &pages, QWidget *parent, const std::function<void()> &exportPdf);
// The preview with two pages side by side.
void previewPages(SpectrumPrinter &pages, QWidget *parent);

} // namespace spectavo::app
