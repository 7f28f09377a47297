#pragma once

#include <cstddef>
#include <vector>

#include "core/config/profilestore.h"
#include "core/scan/displayrange.h"
#include "core/scan/spectrumprint.h"
#include "core/scan/time/kinespectrum.h"

namespace spectavo::scan {

// The time scan's print options: the kinetics settings' Print section, its foot note and title.
SpectrumPrintSettings loadKinePrintSettings(const ProfileStore &kinetics, const ProfileStore &analyst);

// The chart page's information block for a curve: wavelength, total time, step, the rate (when the
// curve's print-rate field is set), operator, time and memo, each as the options say.
std::vector<InformationLine> kineInformationLines(const CKineSpectrum &curve, const SpectrumPrintSettings &s);

// The points the data pages list: time within the chart's range, through the list pane's filter.
std::vector<std::size_t> kinePrintedPoints(const CKineSpectrum &curve, const CDisplayRange &range);

// A row's texts: "%.1fs", the value and the mark.
DataRowTexts kineDataRowTexts(const CKineSpectrum &curve, std::size_t point, bool absorbance);

} // namespace spectavo::scan
