#include "core/link/stationrules.h"

#include "core/config/profilefile.h"
#include "core/link/linkcodes.h"
#include "core/link/stationmodel.h"
#include "core/strings/cformat.h"

namespace spectavo::link {

SwitchPointLimits readSwitchPointLimits(const std::string &modelName) {
    const ProfileFile model(stationModelFile(modelName), true);
    return {model.GetFloat("Station", "SwitchWL_Min", "320"),
            model.GetFloat("Station", "SwitchWL_Max", "360")};
}

std::optional<float> parseSwitchPoint(std::string_view text, const SwitchPointLimits &limits) {
    std::size_t used = 0;
    const float value = strings::scanFloatC(text.substr(0, 19), &used);
    if (used == 0 || !(value >= limits.minimum) || !(value <= limits.maximum))
        return std::nullopt;
    return value;
}

std::string formatSwitchPointField(float nanometres) {
    return strings::formatC("%5.1fnm", static_cast<double>(nanometres));
}

bool slitEntryChecked(int entry, std::uint8_t slitSetting) {
    // Until the instrument reports its slit, the 2 nm entry carries the mark.
    return slitSetting == kSlitNotReported ? entry == kSlit2nm : entry == slitSetting;
}

bool slitEntriesEnabled(int linkOnline, std::uint8_t slitSetting, bool autorunActive) {
    return linkOnline == 1 && slitSetting != kSlitNotReported && !autorunActive;
}

AccessoryReaction checkAccessoryChange(StationStatus &status) {
    if (status.accessoryChanged.exchange(0, std::memory_order_relaxed) == 0)
        return AccessoryReaction::None;
    if (status.longOperationPending.exchange(0, std::memory_order_relaxed) != 0)
        return AccessoryReaction::AskForRestart;
    return status.sipperPresent.load(std::memory_order_relaxed) ? AccessoryReaction::ShowSipperToolbar
                                                                : AccessoryReaction::ShowPlainToolbar;
}

} // namespace spectavo::link
