#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "core/scan/time/kinespectrum.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// One row of the peak list pane.
struct PeakListRow {
    enum class Kind { Peak, Valley, Other };
    Kind kind;
    std::string wavelength; // "%.1fnm"
    std::string value;      // "%.4f" absorbance, or "%.2f" transmittance
    std::string halfWidth;  // "%.1f" for a peak, else empty
    friend bool operator==(const PeakListRow &, const PeakListRow &) = default;
};

// The rows for a spectrum: with neither switch on every point (the pane is then the spectrum as a
// table), otherwise its significant peaks and/or valleys.
std::vector<PeakListRow> peakListRows(const CWaveSpectrum &spectrum, bool absorbance, bool showPeaks,
                                      bool showValleys);
// The rows for a time-scan curve: "%.1fs", the value, and "Peak", "Valley" or nothing.
std::vector<PeakListRow> kinePeakListRows(const CKineSpectrum &curve, bool absorbance, bool showPeaks,
                                          bool showValleys);

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
