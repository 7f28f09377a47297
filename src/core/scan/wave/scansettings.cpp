#include "core/scan/wave/scansettings.h"

#include <cmath>

#include "core/strings/cformat.h"

namespace spectavo::scan {

void ScanSettings::load(const ProfileStore &file) {
    high = file.GetFloat("Setup", "ScanMax", "1100");
    low = file.GetFloat("Setup", "ScanMin", "190");
    stepIndex = file.GetInt("Setup", "ScanStep", 0);
    filterIndex = file.GetInt("Setup", "ScanTimes", 1);
    smoothing = SmoothingSettings{};
    smoothing.load(file);
}

void ScanSettings::save(ProfileStore &file) const {
    file.PutFloat("Setup", "ScanMax", high);
    file.PutFloat("Setup", "ScanMin", low);
    file.PutInt("Setup", "ScanStep", stepIndex);
    file.PutInt("Setup", "ScanTimes", filterIndex);
    smoothing.save(file);
}

std::string ScanSettings::rangeFieldText(float nanometres) {
    const std::string one = strings::formatC("%.1f", static_cast<double>(nanometres));
    if (strings::scanFloatC(one) == nanometres)
        return one;
    return strings::formatC("%.2f", static_cast<double>(nanometres));
}

int ScanSettings::stepCount(const ProfileStore &file) {
    return file.GetInt("Steps", "Steps", 0);
}

std::string ScanSettings::stepText(const ProfileStore &file, int index) {
    return file.GetStringAt("Steps", "Step", index + 1, "0.1nm");
}

float ScanSettings::stepNm(const ProfileStore &file, int index) {
    return strings::scanFloatC(stepText(file, index));
}

int ScanSettings::filterCount(const ProfileStore &file) {
    return file.GetInt("Filters", "Filters", 0);
}

std::string ScanSettings::filterText(const ProfileStore &file, int index) {
    return file.GetStringAt("Filters", "Filter", index + 1, "1");
}

int ScanSettings::filterCode(const ProfileStore &file, int index) {
    return file.GetIntAt("Filters", "Filter", index + 1, 1);
}

bool ScanSettings::adjustLowEnd(float step) {
    if (!(step > 0.0f))
        return false;
    const double range = static_cast<double>(high) - static_cast<double>(low);
    const double steps = (range + 0.01) / static_cast<double>(step) + 1.0;
    // A range from a damaged settings file may hold no whole number of steps at all.
    if (!std::isfinite(steps) || steps < 1.0 || steps > 1e7)
        return false;
    const int n = static_cast<int>(steps);
    if (static_cast<double>(high) - static_cast<double>(step) * (n - 1) - static_cast<double>(low) <= 0.01)
        return false;
    low = static_cast<float>(static_cast<double>(high) - static_cast<double>(step) * n);
    return true;
}

link::ScanSetupMessage ScanSettings::parameterMessage(float step, int filter) const {
    return link::scanSetupMessage(high, low, step, static_cast<std::uint8_t>(filter));
}

std::function<std::optional<link::ScanSetupMessage>()>
ScanSettings::setupProvider(const ProfileStore &file) const {
    ScanSettings settings = *this;
    const float step = stepNm(file, settings.stepIndex);
    const int filter = filterCode(file, settings.filterIndex);
    settings.adjustLowEnd(step);
    const link::ScanSetupMessage message = settings.parameterMessage(step, filter);
    return [message] { return std::optional(message); };
}

bool ScanSettings::baselineMatches(const BaselineGrid &reference, float step, int filter) const {
    const auto tenths16 = [](float nm) { return static_cast<std::uint16_t>(link::toTenths(nm)); };
    return link::toTenths(high) == link::toTenths(reference.end) &&
           link::toTenths(low) == link::toTenths(reference.start) &&
           tenths16(step) == tenths16(reference.step) && filter == reference.filter;
}

} // namespace spectavo::scan
