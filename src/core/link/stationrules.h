#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/link/stationrecords.h"
#include "core/strings/translation.h"

namespace spectavo::link {

// The rules the main window applies to the station records, kept apart from its widgets.

// Switch point limits from the model file of the reported instrument.
struct SwitchPointLimits {
    float minimum = 320.0f;
    float maximum = 360.0f;
};
SwitchPointLimits readSwitchPointLimits(const std::string &modelName);

inline constexpr const char *kSwitchPointOutOfRange = SPECTAVO_TEXT("Switch point should be in  valid range");

// The "New point" text read as nanometres (its unit text ignored); nothing when it is outside the
// limits or not a number.
std::optional<float> parseSwitchPoint(std::string_view text, const SwitchPointLimits &limits);
std::string formatSwitchPointField(float nanometres); // "%5.1fnm"

// Slit bandwidth entries 1..4 (0.5, 1.0, 2.0, 4.0 nm).
bool slitEntryChecked(int entry, std::uint8_t slitSetting);
bool slitEntriesEnabled(int linkOnline, std::uint8_t slitSetting, bool autorunActive);

// What the main window does about a changed accessory on its idle check.
enum class AccessoryReaction { None, AskForRestart, ShowSipperToolbar, ShowPlainToolbar };
inline constexpr const char *kNewDeviceFound =
    SPECTAVO_TEXT("A new device is found.\nPlease restart this application to obtain all functions.");
AccessoryReaction checkAccessoryChange(StationStatus &status);

} // namespace spectavo::link
