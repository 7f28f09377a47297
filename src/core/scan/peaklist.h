#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/scan/time/kinespectrum.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// One row of the peak list pane, as its texts.
struct PeakListRow {
    enum class Kind : std::uint8_t { Peak, Valley, Other };
    Kind kind;
    std::string position; // "%.1fnm" or "%.1fs"
    std::string value;    // "%.4f" absorbance, or "%.2f" transmittance
    std::string remark;   // a peak's half width ("%.1f"), or a curve's "Peak"/"Valley"
    friend bool operator==(const PeakListRow &, const PeakListRow &) = default;
};

// The rows of the peak list pane: with neither switch on every point (the pane is then the record as a
// table), otherwise its significant peaks and/or valleys. The listed points are copied as numbers and
// formatted only when a row is shown, so a long spectrum costs a few bytes per point, and the pane never
// reads a record that a scan is writing or that has been removed.
class PeakListRows {
public:
    PeakListRows() = default;
    static PeakListRows ofSpectrum(const CWaveSpectrum &spectrum, bool absorbance, bool showPeaks,
                                   bool showValleys);
    static PeakListRows ofCurve(const CKineSpectrum &curve, bool absorbance, bool showPeaks,
                                bool showValleys);

    std::size_t size() const { return m_entries.size(); }
    PeakListRow::Kind kindAt(std::size_t row) const { return m_entries[row].kind; }
    // The row's texts; row < size().
    PeakListRow at(std::size_t row) const;
    // The few rows whose texts are the longest of their columns (the first and last position, the
    // lowest and highest value, the widest peak), so a column can be sized without reading every row.
    std::vector<std::size_t> widestRows() const;

private:
    enum class Axis : std::uint8_t { Wavelength, Time };
    struct Entry {
        std::uint32_t index;
        float value;
        float halfWidth;
        PeakListRow::Kind kind;
        bool hasHalfWidth;
    };
    Axis m_axis = Axis::Wavelength;
    bool m_absorbance = true;
    float m_start = 0.0f;
    float m_step = 0.0f;
    std::vector<Entry> m_entries;
};

// The peak/valley threshold's range, as its dialog accepts it (absorbance).
inline constexpr double kThresholdMin = 0.0;
inline constexpr double kThresholdMax = 10.0;
inline bool acceptableThreshold(float value) {
    return std::isfinite(value) && value >= kThresholdMin && value <= kThresholdMax;
}

// The heading of the value column.
inline const char *peakListValueHeading(bool absorbance) {
    return absorbance ? "Abs" : "T(%)";
}

} // namespace spectavo::scan
