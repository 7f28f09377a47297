#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/config/profilestore.h"
#include "core/link/commands.h"
#include "core/scan/smoothingsettings.h"

namespace spectavo::scan {

// The grid of the baseline reference spectrum, as far as the scan settings compare with it.
struct BaselineGrid {
    float start = 0.0f;
    float end = 0.0f;
    float step = 0.0f;
    int filter = 0;
};

// The wavelength-scan settings shared by every scan window: range, step and filter (by their
// indices into the tables of the settings file) and the smoothing applied to scans.
class ScanSettings {
public:
    static constexpr const char *kFileName = "..\\config\\tarvesta.zav.func.wavescan.ini";

    float high = 1100.0f;
    float low = 190.0f;
    int stepIndex = 0;
    int filterIndex = 1;
    SmoothingSettings smoothing;

    // The tables come from the same file; they are read whenever needed so that the file stays the one
    // place they live.
    void load(const ProfileStore &file);
    void save(ProfileStore &file) const;

    // The step entry of stepIndex ("0.1nm" when the table has none) read as nanometres, and its text.
    static std::string stepText(const ProfileStore &file, int index);
    static float stepNm(const ProfileStore &file, int index);
    static int stepCount(const ProfileStore &file);
    // A range end as the Scan Setup shows it: one decimal, or two where the stored value has them, so
    // that confirming the dialog unchanged changes nothing (656.15 stays 656.15).
    static std::string rangeFieldText(float nanometres);
    // The filter code of filterIndex (1 when the table has none), and its text.
    static std::string filterText(const ProfileStore &file, int index);
    static int filterCode(const ProfileStore &file, int index);
    static int filterCount(const ProfileStore &file);

    // Moves the low end so that the range is a whole number of steps below the fixed high end.
    // Returns true when it moved.
    bool adjustLowEnd(float step);

    // The 11-byte scan setup for the instrument.
    link::ScanSetupMessage parameterMessage(float step, int filter) const;

    // What the link's handshake sends: the parameter message of these settings as they are now (low
    // end adjusted, step and filter from the file's tables). The copy is the receive thread's own.
    std::function<std::optional<link::ScanSetupMessage>()> setupProvider(const ProfileStore &file) const;

    // Whether a baseline measured on `reference` still applies to scans with these settings.
    bool baselineMatches(const BaselineGrid &reference, float step, int filter) const;
};

} // namespace spectavo::scan
