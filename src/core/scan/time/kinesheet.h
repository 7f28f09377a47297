#pragma once

#include <optional>
#include <string>

#include "core/scan/spectrumsheet.h"
#include "core/scan/time/kinespectrum.h"

namespace spectavo::scan {

// The settings sheet of a time-scan window, preset with what its chart and print use now.
SpectrumSheet presetKineSheet(const CDisplayRange &range, bool absorbance, const CKineSpectrum *current,
                              const ProfileStore &kinetics, const ProfileStore &analyst,
                              const ChartFonts &fonts);

// OK: as the wavelength scan's sheet, into the kinetics settings; the current curve takes the texts
// and the rate fields, and is marked modified when any of them changed. Returns the message to show.
std::string applyKineSheet(const SpectrumSheet &sheet, DisplayHistory &display, bool absorbance,
                           CKineSpectrum *current, ProfileStore &kinetics, ProfileStore &analyst,
                           ChartFonts &fonts);

// The rate page's values: a beginning or end outside 0 .. total time is refused with the range message
// and nothing changes; otherwise an end before the beginning is exchanged with it.
std::optional<std::string> rateRangeRefusal(const SpectrumSheet::Rate &rate);
// OK: every field is stored as typed, I.U. and R included; nothing is computed.
bool applyRateFields(CKineSpectrum &curve, const SpectrumSheet::Rate &rate);
// "Calculate": the range, factor and print flag are stored and the rate computed over the range, which
// replaces I.U. and R.
bool calculateRateFields(CKineSpectrum &curve, const SpectrumSheet::Rate &rate);
SpectrumSheet::Rate rateFieldsOf(const CKineSpectrum &curve);

} // namespace spectavo::scan
