#include "sim/simsettings.h"

#include <algorithm>

#include "core/strings/cformat.h"

namespace spectavo::sim {
namespace {

double readDouble(const ProfileStore &file, const char *section, const char *key, double fallback) {
    const std::string text = file.GetString(section, key, "");
    std::size_t used = 0;
    const double value = strings::scanDoubleC(text, &used);
    return used == 0 ? fallback : value;
}

} // namespace

void SimSettings::load(const ProfileStore &file) {
    modelName = file.GetString("Instrument", "Model", modelName, 11);
    serial = file.GetString("Instrument", "Serial", serial, 12);
    version = file.GetString("Instrument", "Version", version, 20);
    beamType = std::clamp(file.GetInt("Instrument", "BeamType", beamType), 0, 2);
    channels = std::clamp(file.GetInt("Instrument", "Channels", channels), 0, 2);
    darkLevels = std::clamp(file.GetInt("Instrument", "DarkLevels", darkLevels), 1, 20);
    wlMinNm = readDouble(file, "Instrument", "WL_Min", wlMinNm);
    wlMaxNm = readDouble(file, "Instrument", "WL_Max", wlMaxNm);
    stepsPerNm = std::clamp(file.GetInt("Instrument", "StepsNM", stepsPerNm), 1, 255);
    wavelengthOffsetNm =
        std::clamp(readDouble(file, "Instrument", "WavelengthOffset", wavelengthOffsetNm), -10.0, 10.0);
    speedFactor = std::clamp(readDouble(file, "Simulation", "Speed", speedFactor), 0.01, 1000.0);
    seed = static_cast<std::uint64_t>(file.GetInt("Simulation", "Seed", static_cast<int>(seed)));
    bootSequence = file.GetInt("Simulation", "Boot", bootSequence ? 1 : 0) != 0;
    askRecalibrate = file.GetInt("Simulation", "AskRecalibrate", askRecalibrate ? 1 : 0) != 0;
    fileSystemError = file.GetInt("Simulation", "FileSystemError", fileSystemError ? 1 : 0) != 0;
    sipperInstalled = file.GetInt("Accessories", "Sipper", sipperInstalled ? 1 : 0) != 0;
    noiseRelative = readDouble(file, "Simulation", "NoiseRelative", noiseRelative);
    noiseCounts = readDouble(file, "Simulation", "NoiseCounts", noiseCounts);

    const int cellCount =
        std::clamp(file.GetInt("Accessories", "Cells", static_cast<int>(cells.size())), 0, 8);
    std::vector<std::string> chosen;
    for (int i = 0; i < cellCount; ++i)
        chosen.push_back(file.GetStringAt(
            "Accessories", "Cell", i + 1,
            i < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(i)] : "empty"));
    cells = chosen;

    faults.dropOutgoing = readDouble(file, "Faults", "Drop", faults.dropOutgoing);
    faults.corruptOutgoing = readDouble(file, "Faults", "Corrupt", faults.corruptOutgoing);
    faults.duplicateOutgoing = readDouble(file, "Faults", "Duplicate", faults.duplicateOutgoing);
    faults.refuseSends = readDouble(file, "Faults", "RefuseSends", faults.refuseSends);
    faults.silenceAfterSeconds = readDouble(file, "Faults", "SilenceAfter", faults.silenceAfterSeconds);
    faults.disconnectAfterSeconds =
        readDouble(file, "Faults", "DisconnectAfter", faults.disconnectAfterSeconds);
}

} // namespace spectavo::sim

namespace spectavo::sim {

void SimSettings::saveSetup(ProfileStore &file) const {
    file.PutString("Simulation", "Speed", strings::formatC("%g", speedFactor));
    file.PutInt("Accessories", "Cells", static_cast<int>(cells.size()));
    for (std::size_t i = 0; i < cells.size(); ++i)
        file.PutStringAt("Accessories", "Cell", static_cast<int>(i) + 1, cells[i]);
    file.PutString("Faults", "Drop", strings::formatC("%g", faults.dropOutgoing));
    file.PutString("Faults", "Corrupt", strings::formatC("%g", faults.corruptOutgoing));
    file.PutString("Faults", "Duplicate", strings::formatC("%g", faults.duplicateOutgoing));
    file.PutString("Faults", "RefuseSends", strings::formatC("%g", faults.refuseSends));
}

} // namespace spectavo::sim
