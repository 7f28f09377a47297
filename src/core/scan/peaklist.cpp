#include "core/scan/peaklist.h"

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

std::string valueText(float absorbance, bool absorbanceMode) {
    const double value = plottedValue(absorbance, absorbanceMode);
    return absorbanceMode ? strings::formatC("%.4f", value) : strings::formatC("%.2f", value);
}

} // namespace

std::vector<PeakListRow> peakListRows(const CWaveSpectrum &spectrum, bool absorbance, bool showPeaks,
                                      bool showValleys) {
    std::vector<PeakListRow> rows;
    const std::vector<float> &points = spectrum.points();
    const std::vector<std::int32_t> &marks = spectrum.marks();
    const std::vector<float> &halfWidths = spectrum.halfWidths();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::int32_t mark = i < marks.size() ? marks[i] : 0;
        if (!listedMark(mark, showPeaks, showValleys))
            continue;
        const auto kind = kindOf(mark);
        rows.push_back({kind, strings::formatC("%.1fnm", static_cast<double>(spectrum.wavelengthAt(i))),
                        valueText(points[i], absorbance),
                        kind == PeakListRow::Kind::Peak && i < halfWidths.size()
                            ? strings::formatC("%.1f", static_cast<double>(halfWidths[i]))
                            : std::string()});
    }
    return rows;
}

std::vector<PeakListRow> kinePeakListRows(const CKineSpectrum &curve, bool absorbance, bool showPeaks,
                                          bool showValleys) {
    std::vector<PeakListRow> rows;
    const std::vector<float> &points = curve.points();
    const std::vector<std::int32_t> &marks = curve.markers();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::int32_t mark = i < marks.size() ? marks[i] : 0;
        if (!listedMark(mark, showPeaks, showValleys))
            continue;
        const auto kind = kindOf(mark);
        rows.push_back({kind,
                        strings::formatC("%.1fs", static_cast<double>(i) * static_cast<double>(curve.step)),
                        valueText(points[i], absorbance),
                        kind == PeakListRow::Kind::Peak     ? SPECTAVO_TEXT("Peak")
                        : kind == PeakListRow::Kind::Valley ? SPECTAVO_TEXT("Valley")
                                                            : ""});
    }
    return rows;
}

} // namespace spectavo::scan
