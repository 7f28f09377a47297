#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "core/link/atomictext.h"

namespace spectavo::link {

// Unknown or not installed, faulty, OK: the status items of the instrument's self test.
inline constexpr int kUnknown = -1;

// What the instrument reports about itself. The receive thread writes most fields; the user
// interface reads them at any time and writes the few it owns (the current and requested cell,
// the pending long operation, the ready flag). Every field is atomic and relaxed: each is a value of
// its own, and a stale value for one refresh is harmless.
struct StationStatus {
    std::atomic<int> linkOnline{0};
    std::atomic<int> stationReady{0};
    std::atomic<std::uint16_t> currentWavelengthTenths{0};
    std::atomic<std::uint8_t> d2LampOn{0};
    std::atomic<std::uint8_t> wLampOn{0};
    std::atomic<std::uint32_t> cpuCounter{0};
    std::atomic<std::uint8_t> cpuLoad{0};
    std::atomic<int> cpuReportOn{0};
    std::atomic<float> switchPointNm{340.0f};
    std::atomic<int> multicellStatus{kUnknown};
    std::atomic<int> filterStatus{kUnknown};
    std::atomic<int> wavelengthDriveStatus{kUnknown};
    std::atomic<int> adcStatus{kUnknown};
    std::atomic<int> d2EnergyStatus{kUnknown};
    std::atomic<int> wEnergyStatus{kUnknown};
    std::atomic<int> wavelengthCalStatus{kUnknown};
    std::atomic<int> powerStatus{kUnknown};
    std::atomic<int> sipperStatus{0};
    std::atomic<int> sipperPresent{0};
    std::atomic<int> accessoryChanged{0};
    std::atomic<int> longOperationPending{0};
    std::atomic<std::uint8_t> cellCount{0};
    std::atomic<std::uint8_t> currentCell{0};
    std::atomic<std::uint8_t> requestedCell{0};
    std::atomic<std::uint8_t> slitSetting{0};
    std::atomic<std::uint8_t> amplifierSetting{0};
    std::atomic<std::uint8_t> darkLevelCount{0};
    std::array<std::atomic<std::uint16_t>, 20> darkSample{};
    std::array<std::atomic<std::uint16_t>, 20> darkReference{};
    AtomicText<11> modelName;
    std::atomic<std::uint32_t> hardwareWord{0};
    AtomicText<12> serialText;
    AtomicText<20> versionText;
    // Every packet the receive thread has taken from the driver: a waiter that sees it stand still
    // for seconds knows the instrument has fallen silent.
    std::atomic<std::uint32_t> packetsReceived{0};
};

// The instrument's optical layout and limits: from the station model file at start-up, then from
// what the instrument reports. Its first 13 bytes are one record on the wire.
struct StationConfig {
    static constexpr std::size_t kRecordBytes = 13;

    std::atomic<std::uint8_t> beamType{0}; // 0 single beam; 1 double, scan points without gains; 2 double
    std::atomic<std::uint8_t> channels{1};
    std::atomic<std::uint16_t> wlMaxTenths{11000};
    std::atomic<std::uint16_t> wlMinTenths{1900};
    std::atomic<std::uint8_t> stepsPerNm{20};
    std::array<std::atomic<std::uint8_t>, 6> reserved{};
};

} // namespace spectavo::link
