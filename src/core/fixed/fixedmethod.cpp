#include "core/fixed/fixedmethod.h"

#include <algorithm>

#include "core/strings/translation.h"

namespace spectavo::fixed {

const char *methodConfigurationFile(MethodKind kind) {
    switch (kind) {
    case MethodKind::DnaProtein:
        return "..\\config\\tarvesta.zav.func.dna.ini";
    case MethodKind::Validity:
        return "..\\config\\tarvesta.zav.func.glpgmp.ini";
    case MethodKind::FixedPoints:
        break;
    }
    return "..\\config\\tarvesta.zav.func.fixed.ini";
}

std::vector<std::string> readUnitList(const ProfileStore &file) {
    std::vector<std::string> units;
    // A list longer than anyone keeps is a damaged file: the first thousand are enough.
    for (int i = 0, count = file.GetInt("Unit", "Num", 0); i < count && i < 1000; ++i)
        units.push_back(file.GetStringAt("Unit", "Unit", i, "", 100));
    return units;
}

const char *calibrationSourceKey(CalibrationSource source) {
    switch (source) {
    case CalibrationSource::Standards:
        return "standards";
    case CalibrationSource::Typed:
        return "typed";
    case CalibrationSource::Earlier:
        break;
    }
    return "earlier";
}

std::string calibrationSourceText(CalibrationSource source) {
    switch (source) {
    case CalibrationSource::Standards:
        return strings::tr("Calibration: fitted from this document's standards");
    case CalibrationSource::Typed:
        return strings::tr("Calibration: coefficients typed by the operator");
    case CalibrationSource::Earlier:
        break;
    }
    return strings::tr("Calibration: carried over from the last document");
}

namespace {

// A file without the key was written before the source was kept: a method that uses standards was
// fitted from them, any other had its coefficients typed.
CalibrationSource readCalibrationSource(const ProfileStore &file, int reference) {
    const std::string key = file.GetString("Params", "Calibration", "", 20);
    for (CalibrationSource source :
         {CalibrationSource::Standards, CalibrationSource::Earlier, CalibrationSource::Typed})
        if (key == calibrationSourceKey(source))
            return source;
    return reference != 0 ? CalibrationSource::Standards : CalibrationSource::Typed;
}

} // namespace

int methodIndexLimit(MethodKind kind) {
    switch (kind) {
    case MethodKind::DnaProtein:
        return 999; // the configured method list, at most a thousand long
    case MethodKind::Validity:
        return 1;
    case MethodKind::FixedPoints:
        break;
    }
    return 2; // linear, quadratic, cubic
}

int methodCapacity(MethodKind kind) {
    switch (kind) {
    case MethodKind::DnaProtein:
        return 3;
    case MethodKind::Validity:
        return 10;
    case MethodKind::FixedPoints:
        break;
    }
    return FixedMethodRecord::kMaxWavelengths;
}

FixedMethodRecord::FixedMethodRecord(MethodKind methodKind)
    : kind(methodKind), capacity(methodCapacity(methodKind)) {
    wavelengths.fill(kDefaultWavelength);
}

void FixedMethodRecord::load(const ProfileStore &file) {
    // An index no list of this kind has would select nothing: a hand-edited file gets the nearest.
    methodIndex = std::clamp(file.GetInt("Setup", "Method", 0), 0, methodIndexLimit(kind));
    reference = file.GetInt("Setup", "Reference", 0);
    unit = file.GetString("Setup", "Unit", "ug/ml", 100);
    for (int i = 0; i < kCoefficients; ++i)
        coefficients[static_cast<std::size_t>(i)] = file.GetFloatAt("Params", "K", i + 1, "1.0");
    count = file.GetInt("Wavelength", "Num", 1);
    valid = countProblem() ? 0 : 1;
    for (int i = 0; i < capacity; ++i)
        wavelengths[static_cast<std::size_t>(i)] = file.GetFloatAt("Wavelength", "WL", i + 1, "260.0");
    ClearBlanks();
    if (kind == MethodKind::FixedPoints) {
        concentration = file.GetInt("Setup", "Concentration", 1);
        correlation = file.GetFloat("Params", "r", "1");
        calibrationSource = readCalibrationSource(file, reference);
    }
}

std::optional<std::string> FixedMethodRecord::countProblem() const {
    if (count >= 1 && count <= capacity)
        return std::nullopt;
    return strings::trFormat("The method's wavelength count %d is outside 1 to %d.", count, capacity);
}

void FixedMethodRecord::save(ProfileStore &file) const {
    file.PutInt("Setup", "Method", methodIndex);
    file.PutInt("Setup", "Reference", reference);
    file.PutString("Setup", "Unit", unit);
    for (int i = 0; i < kCoefficients; ++i)
        file.PutFloatAt("Params", "K", i + 1, coefficients[static_cast<std::size_t>(i)]);
    file.PutInt("Wavelength", "Num", count);
    for (int i = 0; i < capacity; ++i)
        file.PutFloatAt("Wavelength", "WL", i + 1, wavelengths[static_cast<std::size_t>(i)]);
    if (kind == MethodKind::FixedPoints) {
        file.PutFloat("Params", "r", correlation);
        file.PutString("Params", "Calibration", calibrationSourceKey(calibrationSource));
        file.PutInt("Setup", "Concentration", concentration);
    }
}

} // namespace spectavo::fixed
