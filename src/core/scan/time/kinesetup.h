#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/config/profilestore.h"

namespace spectavo::scan {

// The step choices of the setup dialog, from the kinetics settings: texts shown as they are and read
// as a number ("0.5s" is 0.5).
std::vector<std::string> kineStepChoices(const ProfileStore &kinetics);
// The choice whose value equals the step the dialog opens with ("%.1fs"), or the first.
std::size_t initialStepChoice(const std::vector<std::string> &choices, float step);
// A step text's number, as the dialog reads it; 0 when it holds none.
float stepOfChoice(const std::string &text);

// The values "Setup kinetic scan" confirms.
struct KineSetupValues {
    float wavelength = 0.0f;
    std::string totalTime; // as typed: an unsigned integer
    std::string stepText;
};
struct KineSetupLimits {
    float wavelengthMin = 190.0f;
    float wavelengthMax = 1100.0f;
};
struct KineSetupResult {
    float wavelength;
    float totalTime;
    float step;
};
// The values to store, or the message that keeps the dialog open: the wavelength within the
// instrument's range, the total time a whole number from the step (rounded) to 100000.
struct KineSetupCheck {
    std::optional<KineSetupResult> accepted;
    std::string refusal;
};
KineSetupCheck checkKineSetup(const KineSetupValues &values, const KineSetupLimits &limits);

inline constexpr int kMaxTotalTime = 100000;
inline constexpr int kTotalTimeSpinMax = 30000;

} // namespace spectavo::scan
