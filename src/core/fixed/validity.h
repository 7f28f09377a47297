#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/config/profilestore.h"
#include "core/fixed/fixedmethod.h"
#include "core/fixed/sampletable.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

// The two tests of the validity document (its method index).
enum ValidityTest { kPhotometricTest = 0, kWavelengthTest = 1 };

inline constexpr int kValidityWavelengths = 10;
inline constexpr int kScanPoints = 21;

// What the validity method keeps beside the record: the photometric standards (always in the
// configuration file, never in documents) and the blanks of every scan point of the wavelength test.
struct ValidityData {
    std::array<float, kValidityWavelengths> standards{};
    std::array<std::array<float, kScanPoints>, kValidityWavelengths> scanBlanks{};

    void loadStandards(const ProfileStore &configuration);
    void saveStandards(ProfileStore &configuration, int capacity) const;
    void clearScanBlanks();
    // The standards as typed: a field in use must hold a number and nothing else (a field not in use
    // keeps its value). Fields before a refused one are taken; the refused one's index is returned.
    std::optional<std::size_t> takeStandards(const std::array<std::string, kValidityWavelengths> &texts,
                                             const std::array<bool, kValidityWavelengths> &inUse);
};

// The 21 points of the wavelength test around a nominal wavelength, in whole tenths of a nanometre:
// from 1.0 nm above down to 1.0 nm below, 0.1 nm apart, without a gap or a repeat.
std::array<std::uint32_t, kScanPoints> scanPointTenths(float nominalNm);
// The first of the highest readings (the one measured first, at the higher wavelength).
int highestPoint(std::span<const float> readings);

// The result table: one row per test wavelength, headers by test and photometric mode. Results of
// another test kind than the last headers were built for are emptied.
void layoutValidityTable(SampleTable &table, const FixedMethodRecord &method, const ValidityData &data,
                         bool absorbanceMode, int &lastTest);
// A measured row of the wavelength test.
void writeWavelengthRow(SampleTable &table, int row, std::uint32_t nominalTenths, std::uint32_t peakTenths,
                        float peakReading, bool absorbanceMode);
// The rows of the photometric test: the reading as shown, and its difference to the standard.
void writePhotometricRows(SampleTable &table, std::span<const float> readings, const ValidityData &data,
                          bool absorbanceMode);
// Pass or Fail for rows 1 .. count from the difference as the table shows it.
void judgeRows(SampleTable &table, int count, int test, float tolerance);
// The verdict on the whole test, as a stored cell text: "Fail" when any judged row of 1 .. count
// fails, "Pass" when every judged row passes, empty before any row is judged.
std::string overallVerdict(const SampleTable &table, int count);
// The tolerance a report states beside the verdict, in the test's unit ("0.5 nm", "0.005 Abs",
// "0.5 %T").
std::string toleranceText(int test, float tolerance, bool absorbanceMode);
inline constexpr const char *kOverallVerdict = SPECTAVO_TEXT("Overall verdict: %s");
inline constexpr const char *kToleranceLine = SPECTAVO_TEXT("Tolerance: %s");

} // namespace spectavo::fixed
