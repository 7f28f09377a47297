#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/fixed/fixedmethod.h"
#include "core/fixed/sampletable.h"

namespace spectavo::fixed {

// The absorbance a concentration is computed from, for one to three wavelengths: the reading itself,
// the difference of two, or the height above the straight baseline through the outer two. Nothing for
// four wavelengths or more.
std::optional<float> effectiveAbsorbance(std::span<const float> values, std::span<const float> wavelengths);

// K0 + K1 dA + K2 dA^2 + K3 dA^3, by Horner's rule.
float concentrationOf(const std::array<float, FixedMethodRecord::kCoefficients> &k, float effective);

// A calibration: coefficients K0 .. K3 (those beyond the fit order 0) and the straight line's r.
struct Calibration {
    std::array<float, FixedMethodRecord::kCoefficients> coefficients{};
    float r = 0.0f;
};
// The least-squares calibration of order `methodIndex` + 1 through the standards; nothing when the
// standards do not determine it.
std::optional<Calibration> fitCalibration(std::span<const float> effective,
                                          std::span<const float> concentration, int methodIndex);
// How many standards with different effective absorbances a fit of this order needs.
int standardsNeeded(int methodIndex);
std::string calibrationMissingText(int methodIndex);

// Concentration mode of a fixed points table: the wavelength columns, "Abs(eff)" and the
// concentration under the unit's header (written only once the display settings exist). Whether the
// table is in concentration mode: concentrations asked for, at one to three wavelengths.
bool concentrationMode(const FixedMethodRecord &method);
void layoutConcentrationColumns(SampleTable &table, const FixedMethodRecord &method,
                                const std::optional<std::string> &unitHeader);
int effectiveColumn(const FixedMethodRecord &method);
int concentrationColumn(const FixedMethodRecord &method);

// The standard table refits the method (true when the fit succeeded; a failed fit changes nothing).
// Rows whose Abs(eff) or concentration is not a number take no part.
bool recalculateStandards(SampleTable &table, FixedMethodRecord &method);
// The sample table's concentrations from the method's current coefficients.
void recalculateSamples(SampleTable &table, const FixedMethodRecord &method);
// The concentration cell of a sample whose Abs(eff) cell holds `effectiveText`: the calibration at the
// value as written ("%.4f"), so a measurement, the window's Recalculate and the client give the same
// digits. Nothing when the cell is not a number.
std::optional<std::string>
sampleConcentrationText(const std::array<float, FixedMethodRecord::kCoefficients> &coefficients,
                        const std::string &effectiveText);
// The data rows of a sample table whose concentration is not what the method's calibration gives:
// they were computed with an earlier one.
std::vector<int> staleConcentrationRows(const SampleTable &table, const FixedMethodRecord &method);
inline constexpr const char *kStaleConcentrations =
    SPECTAVO_TEXT("The marked concentrations were computed with an earlier calibration.");
inline constexpr const char *kRecalculateStaleQuestion =
    SPECTAVO_TEXT("The concentrations were computed with an earlier calibration. Recalculate them now?");

} // namespace spectavo::fixed
