#include "core/program/sharedsettings.h"

#include "core/config/profilefile.h"

namespace spectavo::program {

void KineticsSettings::load(const ProfileStore &file) {
    wavelength = file.GetFloat("Setup", "WaveLength", "656.1");
    totalTime = file.GetFloat("Setup", "TotalTime", "120");
    step = file.GetFloat("Setup", "Step", "1.0");
    smoothing = scan::SmoothingSettings{};
    smoothing.load(file);
}

void KineticsSettings::save(ProfileStore &file) const {
    file.PutFloat("Setup", "WaveLength", wavelength);
    file.PutFloat("Setup", "TotalTime", totalTime);
    file.PutFloat("Setup", "Step", step);
    smoothing.save(file);
}

SharedSettings::SharedSettings() : baseline(std::make_unique<scan::CWaveSpectrum>()) {
    baseline->colour = 255;
    baseline->points().assign(kBaselinePoints, 0.0f);
}

void SharedSettings::load() {
    scan.load(ProfileFile(scan::ScanSettings::kFileName, true));
    kinetics.load(ProfileFile(KineticsSettings::kFileName, true));
}

void SharedSettings::save() const {
    {
        ProfileFile::Batch file(ProfileFile(scan::ScanSettings::kFileName, true));
        scan.save(file);
    }
    ProfileFile::Batch file(ProfileFile(KineticsSettings::kFileName, true));
    kinetics.save(file);
}

} // namespace spectavo::program
