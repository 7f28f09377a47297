#include "core/scan/time/kinesetup.h"

#include <algorithm>
#include <cctype>

#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::scan {

std::vector<std::string> kineStepChoices(const ProfileStore &kinetics) {
    // No settings file offers a single half second, as a fresh installation always could.
    const int count = std::clamp(kinetics.GetInt("Steps", "Steps", 1), 1, 100);
    std::vector<std::string> choices;
    for (int i = 1; i <= count; ++i)
        choices.push_back(kinetics.GetString("Steps", strings::formatC("Step%d", i), "0.5", 64));
    return choices;
}

float stepOfChoice(const std::string &text) {
    return strings::scanFloatC(text);
}

std::size_t initialStepChoice(const std::vector<std::string> &choices, float step) {
    const float shown = stepOfChoice(strings::formatC("%.1fs", static_cast<double>(step)));
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (stepOfChoice(choices[i]) == shown)
            return i;
    return 0;
}

KineSetupCheck checkKineSetup(const KineSetupValues &values, const KineSetupLimits &limits) {
    if (!(values.wavelength >= limits.wavelengthMin && values.wavelength <= limits.wavelengthMax))
        return {std::nullopt, strings::trFormat("Please enter a number between %g and %g.",
                                                static_cast<double>(limits.wavelengthMin),
                                                static_cast<double>(limits.wavelengthMax))};
    const float step = stepOfChoice(values.stepText);
    // A hand-edited choice may hold anything: only a step a scan can keep is taken.
    if (!(step > 0.0f && step <= static_cast<float>(kMaxTotalTime)))
        return {std::nullopt, strings::trFormat("The step \"%s\" is not a number of seconds from 0 to %d.",
                                                values.stepText.c_str(), kMaxTotalTime)};
    const int minimum = static_cast<int>(step + 0.5f);
    std::size_t consumed = 0;
    const long long total = strings::scanIntC(values.totalTime, &consumed);
    const bool whole =
        consumed > 0 &&
        std::all_of(values.totalTime.begin() + static_cast<std::ptrdiff_t>(consumed), values.totalTime.end(),
                    [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    if (!whole || total < minimum || total > kMaxTotalTime)
        return {std::nullopt,
                strings::trFormat("Please enter an integer between %d and %d.", minimum, kMaxTotalTime)};
    return {KineSetupResult{values.wavelength, static_cast<float>(total), step}, {}};
}

} // namespace spectavo::scan
