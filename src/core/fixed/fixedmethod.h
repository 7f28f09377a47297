#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/config/profilestore.h"

namespace spectavo::fixed {

// The fixed-wavelength document kinds that carry a method.
enum class MethodKind { FixedPoints, DnaProtein, Validity };

// Where the last method of each kind is kept between documents.
const char *methodConfigurationFile(MethodKind kind);
// The concentration units offered on the method and display pages, in the file's order.
inline constexpr const char *kUnitListFile = "..\\config\\tarvesta.zav.unit.ini";
std::vector<std::string> readUnitList(const ProfileStore &file);

// The highest method index of this kind (fit order, DNA method, validity test).
int methodIndexLimit(MethodKind kind);
// The wavelength fields a method page of this kind has.
int methodCapacity(MethodKind kind);

// Where a fixed points calibration (K0 .. K3, r) came from: fitted from the document's own standards,
// carried over from the last document as a new one starts, or typed by the operator. Stored with the
// document, so a reader of the file or the report knows what the concentrations rest on.
enum class CalibrationSource { Standards, Earlier, Typed };
const char *calibrationSourceKey(CalibrationSource source);
// "Calibration: fitted from this document's standards" and the like, in the operator's language.
std::string calibrationSourceText(CalibrationSource source);

// What one fixed-wavelength method says: at which wavelengths to measure, the blanks taken there and
// the kind's coefficients. The same keys serve the configuration file and the document files.
struct FixedMethodRecord {
    static constexpr int kMaxWavelengths = 20;
    static constexpr int kCoefficients = 4;
    static constexpr float kDefaultWavelength = 260.0f;

    explicit FixedMethodRecord(MethodKind kind = MethodKind::FixedPoints);

    MethodKind kind;
    int capacity;
    int methodIndex = 0;
    int reference = 0;
    std::string unit = "ug/ml";
    int count = 1;
    std::array<float, kMaxWavelengths> wavelengths;
    std::array<float, kMaxWavelengths> blanks{};
    std::array<float, kCoefficients> coefficients{1.0f, 1.0f, 1.0f, 1.0f};
    // Cleared when a wavelength field lies outside the instrument's range; measuring waits for it.
    int valid = 1;
    // Fixed points only: the last calibration's correlation and the concentration switch.
    float correlation = 1.0f;
    int concentration = 1;
    CalibrationSource calibrationSource = CalibrationSource::Earlier;

    // Blanks never travel with a method: they come only from a blank calibration.
    void ClearBlanks() { blanks.fill(0.0f); }

    // A wavelength count outside 1 .. capacity (a hand-edited or damaged file) makes the method invalid:
    // what is wrong, or nothing.
    std::optional<std::string> countProblem() const;

    // The keys of a method; loading clears the blanks and marks a method with an impossible count
    // invalid.
    void load(const ProfileStore &file);
    void save(ProfileStore &file) const;
};

} // namespace spectavo::fixed
