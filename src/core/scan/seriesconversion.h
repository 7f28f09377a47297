#pragma once

#include <optional>

#include "core/scan/exchangeformats.h"
#include "core/scan/time/kinespectrum.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// Spectra and curves as exchange series, and back. Back fails when the series does not fit the
// record's grid rule (its point count does not follow from first, last and step).
EvenSeries seriesOf(const CWaveSpectrum &spectrum);
EvenSeries seriesOf(const CKineSpectrum &curve);
bool fillSpectrum(const EvenSeries &series, CWaveSpectrum &spectrum);
bool fillCurve(const EvenSeries &series, CKineSpectrum &curve);

} // namespace spectavo::scan
