#pragma once

#include <vector>

#include <QFont>
#include <QRect>

#include "app/scan/spectrumchart.h"
#include "core/scan/spectrumprint.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace spectavo::app {

// The print of a wavelength-scan window: a chart page (the screen's chart scaled onto the page, the
// information block, the foot) and data pages listing the current spectrum's points. Pages are laid
// out for the device actually printed to.
class SpectrumPrinter {
public:
    // `chartClient` is the chart pane's size on screen: the chart keeps the proportions it has there.
    SpectrumPrinter(SpectrumChartScene scene, const CWaveSpectrum &current, QSize chartClient,
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
    const CWaveSpectrum &m_current;
    QSize m_chartClient;
    scan::SpectrumPrintSettings m_settings;
    std::vector<scan::DataPage> m_dataPages;
    QFont m_tableFont;
    QFont m_titleFont;
};

} // namespace spectavo::app
