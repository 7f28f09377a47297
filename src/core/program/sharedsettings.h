#pragma once

#include <memory>

#include "core/scan/time/kinespectrum.h"
#include "core/scan/wave/scansettings.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::program {

// The time-scan settings shared by the time-scan windows.
struct KineticsSettings {
    static constexpr const char *kFileName = "..\\config\\tarvesta.zav.func.kinetics.ini";
    float wavelength = 656.1f;
    float totalTime = 120.0f;
    float step = 1.0f;
    scan::SmoothingSettings smoothing;
    void load(const ProfileStore &file);
    void save(ProfileStore &file) const;
};

// What the main window keeps for all measurement windows: the scan and time-scan settings (read when
// it is made, written when it goes) and the baseline reference of the wavelength scans.
struct SharedSettings {
    static constexpr std::size_t kBaselinePoints = 20000;

    scan::ScanSettings scan;
    KineticsSettings kinetics;
    // 20,000 values, all 0 until a baseline scan fills them; lives as long as the main window.
    std::unique_ptr<scan::CWaveSpectrum> baseline;

    SharedSettings();
    void load();
    void save() const;
};

} // namespace spectavo::program
