#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>

#include "app/fixed/quan/quancurve.h"
#include "core/fixed/reportlayout.h"

namespace spectavo::app {

inline constexpr int kReportFonts = 5;

// The report fonts on the device printed to: a stored font's height is its size in points.
class ReportDeviceMetrics : public fixed::ReportMetrics {
public:
    ReportDeviceMetrics(const std::array<QFont, kReportFonts> &fonts, QPaintDevice &device);
    int textWidth(int font, const std::string &text) override;
    int textHeight(int font) override;
    int averageCharWidth(int font) override;
    int ascent(int font) const;
    const QFont &font(int number) const;

private:
    static std::size_t index(int font);
    std::array<QFont, kReportFonts> m_fonts;
    std::vector<QFontMetrics> m_metrics; // on the device, one per font
};

// Lays out the report for the device and draws its pages; the number of pages, or nothing when the
// device could not be painted on. The curve is drawn where the layout leaves room when given a scene.
std::optional<int> paintReport(QPagedPaintDevice &device, const fixed::ReportContent &content,
                               const std::array<QFont, kReportFonts> &fonts, const QuanChartScene *scene);

} // namespace spectavo::app
