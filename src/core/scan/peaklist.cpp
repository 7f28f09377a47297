#include "core/scan/peaklist.h"

#include <algorithm>

#include "core/scan/chartlayout.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::scan {
namespace {

bool listedMark(std::int32_t mark, bool showPeaks, bool showValleys) {
    return (!showPeaks && !showValleys) || (showPeaks && mark == 100) || (showValleys && mark == -100);
}

PeakListRow::Kind kindOf(std::int32_t mark) {
    return mark == 100    ? PeakListRow::Kind::Peak
           : mark == -100 ? PeakListRow::Kind::Valley
                          : PeakListRow::Kind::Other;
}

} // namespace

PeakListRows PeakListRows::ofSpectrum(const CWaveSpectrum &spectrum, bool absorbance, bool showPeaks,
                                      bool showValleys) {
    PeakListRows rows;
    rows.m_absorbance = absorbance;
    rows.m_start = spectrum.start;
    rows.m_step = spectrum.step;
    const std::vector<float> &points = spectrum.points();
    const std::vector<std::int32_t> &marks = spectrum.marks();
    const std::vector<float> &halfWidths = spectrum.halfWidths();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::int32_t mark = i < marks.size() ? marks[i] : 0;
        if (listedMark(mark, showPeaks, showValleys))
            rows.m_entries.push_back({static_cast<std::uint32_t>(i), points[i],
                                      i < halfWidths.size() ? halfWidths[i] : 0.0f, kindOf(mark),
                                      i < halfWidths.size()});
    }
    rows.m_entries.shrink_to_fit();
    return rows;
}

PeakListRows PeakListRows::ofCurve(const CKineSpectrum &curve, bool absorbance, bool showPeaks,
                                   bool showValleys) {
    PeakListRows rows;
    rows.m_axis = Axis::Time;
    rows.m_absorbance = absorbance;
    rows.m_step = curve.step;
    const std::vector<float> &points = curve.points();
    const std::vector<std::int32_t> &marks = curve.markers();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::int32_t mark = i < marks.size() ? marks[i] : 0;
        if (listedMark(mark, showPeaks, showValleys))
            rows.m_entries.push_back({static_cast<std::uint32_t>(i), points[i], 0.0f, kindOf(mark), false});
    }
    rows.m_entries.shrink_to_fit();
    return rows;
}

std::vector<std::size_t> PeakListRows::widestRows() const {
    if (m_entries.empty())
        return {};
    std::size_t lowest = 0, highest = 0, widest = 0;
    for (std::size_t i = 1; i < m_entries.size(); ++i) {
        // Values that are not numbers compare false both ways; their text is short anyway.
        if (m_entries[i].value < m_entries[lowest].value)
            lowest = i;
        if (m_entries[i].value > m_entries[highest].value)
            highest = i;
        if (m_entries[i].halfWidth > m_entries[widest].halfWidth)
            widest = i;
    }
    std::vector<std::size_t> rows{0, m_entries.size() - 1, lowest, highest, widest};
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

PeakListRow PeakListRows::at(std::size_t row) const {
    const Entry &entry = m_entries[row];
    PeakListRow texts{entry.kind, {}, {}, {}};
    const double value = plottedValue(entry.value, m_absorbance);
    texts.value = m_absorbance ? strings::formatC("%.4f", value) : strings::formatC("%.2f", value);
    if (m_axis == Axis::Wavelength) {
        // The wavelength as the record computes it, in single precision.
        texts.position = strings::formatC(
            "%.1fnm", static_cast<double>(m_start + static_cast<float>(entry.index) * m_step));
        if (entry.kind == PeakListRow::Kind::Peak && entry.hasHalfWidth)
            texts.remark = strings::formatC("%.1f", static_cast<double>(entry.halfWidth));
    } else {
        texts.position =
            strings::formatC("%.1fs", static_cast<double>(entry.index) * static_cast<double>(m_step));
        texts.remark = entry.kind == PeakListRow::Kind::Peak     ? SPECTAVO_TEXT("Peak")
                       : entry.kind == PeakListRow::Kind::Valley ? SPECTAVO_TEXT("Valley")
                                                                 : "";
    }
    return texts;
}

} // namespace spectavo::scan
