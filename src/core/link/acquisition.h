#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "core/link/acquisitiontargets.h"
#include "core/link/notify.h"

namespace spectavo::link {

// Acquisition modes.
enum AcquisitionMode : int {
    kModeNone = 0,
    kModeWaveScan = 1,
    kModeGotoAndRead = 2, // go to a wavelength, then one blank-corrected reading
    kModeTimedSampling = 3,
    kModeCellReading = 4,    // one reading per cell
    kModeGotoAndReadout = 7, // go, blank reading, then a continuous corrected readout
    kModeGotoOnly = 8,
    kModeTakeBlank = 9,
};

// Scan data kinds.
enum ScanDataKind : std::uint8_t {
    kScanEnergies = 0,
    kScanSampleEnergy = 1,
    kScanAbsorbance = 2,
    kScanAgainstBaseline = 3,
};

// The one open acquisition. The window that opened it receives its notifications; the receive and
// timer threads write its targets. `lock` is held by every thread that reads the targets to write
// through them and by every close, so that once a close returns no thread writes into the closed
// acquisition's buffers: a window may free them at once. The scalar fields are atomics so that the
// user interface may read them at any time.
struct Acquisition {
    std::mutex lock;

    std::atomic<int> mode{kModeNone};
    std::atomic<int> armed{0};
    std::atomic<std::uint8_t> scanDataKind{0};
    std::atomic<int> targetWavelengthTenths{0};
    std::atomic<float> lastAbsorbance{0.0f};
    std::atomic<float> blankAbsorbance{0.0f};
    // Points stored again because a sampling tick came more than a period late.
    std::atomic<int> repeatedPoints{0};

    // Guarded by lock.
    NotifyTarget *notifyWindow = nullptr;
    ScanTarget *scanTarget = nullptr;
    ScanTarget *scanSecond = nullptr;
    TimedTarget *timedTarget = nullptr;
    std::atomic<float> *blankTarget = nullptr;
    std::atomic<float> *resultTarget = nullptr;

    // Whether an acquisition is open, for the user interface's enabling rules.
    std::atomic<bool> open{false};
};

} // namespace spectavo::link
