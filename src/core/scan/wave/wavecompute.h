#pragma once

#include <optional>
#include <string>

#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// The spectral mathematics. Each derived spectrum starts as a new spectrum with its source's
// attributes, is marked modified, carries the result name as name and sample name, and has its marks
// computed with the threshold. A spectrum that is acquiring is refused.

// Savitzky-Golay of degree m, derivative d and half-width w, with the spectrum's step as spacing. A
// window that cannot carry the polynomial gives a spectrum of zeros (still a result).
std::optional<CWaveSpectrum> savitzkyGolaySpectrum(const CWaveSpectrum &source, int degree, int derivative,
                                                   int halfWidth, const std::string &resultName,
                                                   float threshold);
std::optional<CWaveSpectrum> smoothSpectrum(const CWaveSpectrum &source, int range,
                                            const std::string &resultName, float threshold);
std::optional<CWaveSpectrum> derivativeSpectrum(const CWaveSpectrum &source, int order,
                                                const std::string &resultName, float threshold);

// One point in every `factor` in place: the step grows, start and end stay. False when refused.
bool resampleSpectrum(CWaveSpectrum &spectrum, int factor, float threshold);

enum class SpectrumOperation { Add, Subtract, Multiply, Divide };
// A op B point by point, refused (nothing) unless both have exactly the same grid. Division by a zero
// point keeps the dividend. The result keeps the sample name "Sample Name".
std::optional<CWaveSpectrum> spectrumArithmetic(const CWaveSpectrum &a, const CWaveSpectrum &b,
                                                SpectrumOperation operation, const std::string &resultName,
                                                float threshold);

} // namespace spectavo::scan
