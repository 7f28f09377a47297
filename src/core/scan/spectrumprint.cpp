#include "core/scan/spectrumprint.h"

#include <algorithm>
#include <cstdlib>

#include "core/scan/chartlayout.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::scan {

SpectrumPrintSettings SpectrumPrintSettings::load(const ProfileStore &waveScan, const ProfileStore &analyst) {
    SpectrumPrintSettings s;
    const auto flag = [&](const char *key, int fallback) {
        return waveScan.GetInt("Print", key, fallback) != 0;
    };
    s.chartPage = flag("PrintSpectrum", 1);
    s.dataPages = flag("PrintData", 1);
    s.range = flag("PrintRange", 1);
    s.step = flag("PrintStep", 1);
    s.filter = flag("PrintFilter", 1);
    s.time = flag("PrintTime", 1);
    s.memo = flag("PrintMemo", 1);
    s.foot = flag("PrintFoot", 1);
    s.keepShape = flag("PrintRatio", 1);
    s.centreHorizontally = flag("HCenterPrint", 1);
    s.centreVertically = flag("VCenterPrint", 1);
    s.operatorLine = analyst.GetInt("Spectavo", "PrintOperator", 1) != 0;
    s.footNote = waveScan.GetString("FootNotes", "FootNotes", "", 1000);
    s.dataTitle = waveScan.GetString("Legend", "Title", "Wave spectra by Spectrometer", 200);
    return s;
}

BlockOrigin informationBlockOrigin(int pageWidth, int pageHeight, int dataFontHeight, int titleFontHeight) {
    if (pageWidth < pageHeight)
        return {pageWidth / 10, pageHeight / 2 + std::abs(dataFontHeight) / 2};
    return {8 * pageWidth / 10, std::abs(titleFontHeight * 3 / 2)};
}

int informationValueOffset(const std::vector<InformationLine> &lines,
                           const std::function<int(const std::string &)> &widthOf) {
    int widest = 0;
    for (const InformationLine &line : lines)
        if (!line.value.empty())
            widest = std::max(widest, widthOf(line.label + " "));
    return widest;
}

std::vector<InformationLine> informationLines(const CWaveSpectrum &spectrum, const SpectrumPrintSettings &s) {
    std::vector<InformationLine> lines;
    if (s.range)
        lines.push_back(
            {strings::tr("Scan Range:"), strings::formatC("%.1f-%.1fnm", static_cast<double>(spectrum.start),
                                                          static_cast<double>(spectrum.end))});
    if (s.step)
        lines.push_back(
            {strings::tr("Scan Step:"), strings::formatC("%.1fnm", static_cast<double>(spectrum.step))});
    if (s.filter)
        lines.push_back({strings::tr("Scan Filter:"), strings::formatC("%d", spectrum.filter)});
    if (s.operatorLine)
        lines.push_back({strings::tr("Operator:"), spectrum.operatorName()});
    if (s.time)
        lines.push_back({strings::tr("Scan Time:"), spectrum.dateText()});
    if (s.memo)
        for (std::string &row : memoRows(spectrum.memo))
            lines.push_back({std::move(row), {}});
    return lines;
}

std::vector<std::string> memoRows(const std::string &memo) {
    std::vector<std::string> rows;
    if (memo.empty())
        return rows;
    std::size_t begin = 0;
    while (begin <= memo.size()) {
        std::size_t end = memo.find('\n', begin);
        if (end == std::string::npos)
            end = memo.size();
        std::string row = memo.substr(begin, end - begin);
        if (!row.empty() && row.front() == '\r')
            row.erase(0, 1);
        if (!row.empty() && row.back() == '\r')
            row.pop_back();
        rows.push_back(std::move(row));
        begin = end + 1;
    }
    return rows;
}

std::vector<std::size_t> printedPoints(const CWaveSpectrum &spectrum, const CDisplayRange &range) {
    std::vector<std::size_t> points;
    const auto &marks = spectrum.marks();
    const bool filtered = range.showPeaks != 0 || range.showValleys != 0;
    for (std::size_t i = 0; i < spectrum.points().size(); ++i) {
        const float wavelength = spectrum.wavelengthAt(i);
        if (wavelength < range.xMin || wavelength > range.xMax)
            continue;
        const std::int32_t mark = i < marks.size() ? marks[i] : 0;
        if (filtered && !((range.showPeaks && mark == 100) || (range.showValleys && mark == -100)))
            continue;
        points.push_back(i);
    }
    return points;
}

std::vector<DataPage> layoutDataPages(const std::vector<std::size_t> &points, const DataTableMetrics &m) {
    std::vector<DataPage> pages;
    const int top = m.titleHeight * 7 / 2;
    const int rowStep = std::max(m.h * 3 / 2, 1);
    const int columnWidth = 4 * m.u;
    const auto rowFits = [&](int y) { return y + m.h <= m.pageHeight - m.h; };
    const auto columnFits = [&](int x) { return x + columnWidth <= m.pageWidth; };
    if (m.u <= 0 || m.h <= 0 || !rowFits(top) || !columnFits(m.u))
        return pages;
    std::size_t next = 0;
    while (next < points.size()) {
        DataPage page;
        int x = m.u;
        int y = top;
        while (next < points.size()) {
            if (!rowFits(y)) {
                x += columnWidth;
                y = top;
                if (!columnFits(x))
                    break;
            }
            page.rows.push_back({points[next++], x, y});
            y += rowStep;
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

DataRowTexts dataRowTexts(const CWaveSpectrum &spectrum, std::size_t point, bool absorbance) {
    const double a = spectrum.points().at(point);
    const std::int32_t mark = point < spectrum.marks().size() ? spectrum.marks()[point] : 0;
    return {strings::formatC("%.1fnm", static_cast<double>(spectrum.wavelengthAt(point))),
            absorbance ? strings::formatC("%.4f", a) : strings::formatC("%.2f", plottedValue(a, false)),
            mark == 100    ? " P"
            : mark == -100 ? " V"
                           : "  "};
}

} // namespace spectavo::scan
