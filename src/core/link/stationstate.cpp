// Station records: reset, the station files, the reading decode and the blank.

#include "core/config/profilefile.h"
#include "core/link/readingdecode.h"
#include "core/link/stationlink.h"
#include "core/link/stationmodel.h"

namespace spectavo::link {
namespace {

constexpr const char *kStatusFile = "..\\config\\tarvesta.zav.station.ini";

std::uint8_t asByte(int value) {
    return static_cast<std::uint8_t>(value);
}

std::uint16_t tenthsOf(float nanometres) {
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(toTenths(nanometres), 0xFFFF));
}

template <typename Atomic, typename Value>
void reset(Atomic &field, Value value) {
    field.store(value, std::memory_order_relaxed);
}

} // namespace

void StationLink::readStationStatusFile() {
    const ProfileFile file(kStatusFile, true);
    reset(m_status.currentWavelengthTenths, tenthsOf(file.GetFloat("Status", "WL_Current", "546")));
}

void StationLink::writeStationStatusFile() const {
    ProfileFile::Batch file(ProfileFile(kStatusFile, true));
    file.PutFloat("Status", "WL_Current",
                  static_cast<float>(m_status.currentWavelengthTenths.load(std::memory_order_relaxed)) /
                      10.0f);
    file.PutFloat("Status", "WL_Switch", m_status.switchPointNm.load(std::memory_order_relaxed));
}

void StationLink::ResetStationStatus(int initialLinkOnline) {
    // The model is not known before the link exists, so this reads the file of the empty model name.
    const ProfileFile model(stationModelFile(m_status.modelName.get()), true);
    reset(m_config.beamType, asByte(model.GetInt("Station", "BeamType", 0)));
    reset(m_config.channels, asByte(model.GetInt("Station", "Channels", 1)));
    reset(m_config.wlMinTenths, tenthsOf(model.GetFloat("Station", "WL_Min", "190")));
    reset(m_config.wlMaxTenths, tenthsOf(model.GetFloat("Station", "WL_Max", "1100")));
    reset(m_config.stepsPerNm, asByte(model.GetInt("Station", "StepsNM", 20)));

    reset(m_status.linkOnline, initialLinkOnline != 0 ? 1 : 0);
    reset(m_status.stationReady, 0);
    reset(m_status.d2LampOn, std::uint8_t{0});
    reset(m_status.wLampOn, std::uint8_t{0});
    reset(m_status.cpuCounter, 0u);
    reset(m_status.cpuLoad, std::uint8_t{0});
    reset(m_status.cpuReportOn, 0);
    reset(m_status.switchPointNm, 340.0f);
    for (auto *tristate : {&m_status.multicellStatus, &m_status.filterStatus, &m_status.wavelengthDriveStatus,
                           &m_status.adcStatus, &m_status.d2EnergyStatus, &m_status.wEnergyStatus,
                           &m_status.wavelengthCalStatus, &m_status.powerStatus})
        reset(*tristate, kUnknown);
    for (auto *flag : {&m_status.sipperStatus, &m_status.sipperPresent, &m_status.accessoryChanged,
                       &m_status.longOperationPending})
        reset(*flag, 0);
    for (auto *byte : {&m_status.cellCount, &m_status.currentCell, &m_status.requestedCell,
                       &m_status.slitSetting, &m_status.amplifierSetting, &m_status.darkLevelCount})
        reset(*byte, std::uint8_t{0});
    for (std::size_t i = 0; i < m_status.darkSample.size(); ++i) {
        reset(m_status.darkSample[i], std::uint16_t{0});
        reset(m_status.darkReference[i], std::uint16_t{0});
    }
    m_status.modelName.set("");
    reset(m_status.hardwareWord, 0u);
    m_status.serialText.set("");
    m_status.versionText.set("");

    m_operations.CloseAcquisition();
    reset(m_acquisition.targetWavelengthTenths, 0);
    reset(m_acquisition.lastAbsorbance, 0.0f);
    reset(m_acquisition.blankAbsorbance, 0.0f);
    reset(m_acquisition.scanDataKind, std::uint8_t{0});
}

float StationLink::DecodeReading(std::span<const std::uint8_t> record, bool ignoreGains) {
    const DecodedReading reading =
        decodeReading(record, m_config.beamType.load(std::memory_order_relaxed), ignoreGains);
    m_status.currentWavelengthTenths.store(reading.wavelengthTenths, std::memory_order_relaxed);
    if (m_acquisition.mode.load(std::memory_order_relaxed) != kModeTimedSampling)
        postMain(Notification::station(kStationWavelength, reading.wavelengthTenths));
    postMain(Notification::stationFloat(kStationSampleSignal, reading.sampleSignal));
    postMain(Notification::stationFloat(kStationReferenceSignal, reading.referenceSignal));
    return reading.absorbance;
}

float StationLink::SubtractBlank(float absorbance, bool useStoredBlank, float blank) {
    if (useStoredBlank)
        return absorbance - m_acquisition.blankAbsorbance.load(std::memory_order_relaxed);
    m_acquisition.blankAbsorbance.store(blank, std::memory_order_relaxed);
    return absorbance - blank;
}

bool StationLink::twoBeams() const {
    return m_config.beamType.load(std::memory_order_relaxed) != kSingleBeam;
}

} // namespace spectavo::link
