#include "core/scan/peaklist.h"

#include "core/scan/chartlayout.h"
#include "core/strings/cformat.h"

namespace spectavo::scan {

std::vector<PeakListRow> peakListRows(const CWaveSpectrum &spectrum, bool absorbance, bool showPeaks,
                                      bool showValleys) {
    std::vector<PeakListRow> rows;
    const std::vector<float> &points = spectrum.points();
    const std::vector<std::int32_t> &marks = spectrum.marks();
    const std::vector<float> &halfWidths = spectrum.halfWidths();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::int32_t mark = i < marks.size() ? marks[i] : 0;
        const bool listed =
            (!showPeaks && !showValleys) || (showPeaks && mark == 100) || (showValleys && mark == -100);
        if (!listed)
            continue;
        const auto kind = mark == 100    ? PeakListRow::Kind::Peak
                          : mark == -100 ? PeakListRow::Kind::Valley
                                         : PeakListRow::Kind::Other;
        const double value = plottedValue(points[i], absorbance);
        rows.push_back({kind, strings::formatC("%.1fnm", static_cast<double>(spectrum.wavelengthAt(i))),
                        absorbance ? strings::formatC("%.4f", value) : strings::formatC("%.2f", value),
                        kind == PeakListRow::Kind::Peak && i < halfWidths.size()
                            ? strings::formatC("%.1f", static_cast<double>(halfWidths[i]))
                            : std::string()});
    }
    return rows;
}

} // namespace spectavo::scan
