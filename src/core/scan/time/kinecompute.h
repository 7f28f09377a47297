#pragma once

#include <optional>
#include <string>

#include "core/scan/time/kinespectrum.h"

namespace spectavo::scan {

// The curve processing of the time-scan window. Each derived curve starts as a derived curve of its
// source (its name, colour, grid, date and slit), is marked modified, carries the result name as name and
// sample name, and has its markers computed; difference and moving average compute its rate too. A
// curve that is acquiring is refused.
std::optional<CKineSpectrum> differenceCurve(const CKineSpectrum &source, int passes,
                                             const std::string &resultName, float threshold);
std::optional<CKineSpectrum> movingAverageCurve(const CKineSpectrum &source, int width,
                                                const std::string &resultName, float threshold);
// The Savitzky-Golay filter with the curve's step as spacing, so a derivative is per second.
std::optional<CKineSpectrum> savitzkyGolayCurve(const CKineSpectrum &source, int degree, int derivative,
                                                int halfWidth, const std::string &resultName,
                                                float threshold);
// One point in every `factor`, in place, keeping every point that exists (the last one included).
bool resampleCurve(CKineSpectrum &curve, int factor, float threshold);

enum class CurveOperation { Add, Subtract };
// Refused (nothing) unless total time and step are the same.
std::optional<CKineSpectrum> curveArithmetic(const CKineSpectrum &a, const CKineSpectrum &b,
                                             CurveOperation operation, const std::string &resultName,
                                             float threshold);

// The rate page's range: a beginning or end outside 0 .. total time is refused (false, nothing
// changes); an end before the beginning is exchanged with it. Then the rate is computed.
bool setRateRange(CKineSpectrum &curve, float beginTime, float endTime, float factor);

} // namespace spectavo::scan
