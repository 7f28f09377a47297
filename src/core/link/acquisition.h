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
// timer threads write its targets. The targets are reachable only through a Held, which holds the
// acquisition's lock for its lifetime: every thread that writes through a target and every close
// holds it, so once a close returns no thread writes into the closed acquisition's buffers and a
// window may free them at once. The scalar fields are atomics so that the user interface may read
// them at any time.
class Acquisition {
public:
    std::atomic<int> mode{kModeNone};
    std::atomic<int> armed{0};
    std::atomic<std::uint8_t> scanDataKind{0};
    std::atomic<int> targetWavelengthTenths{0};
    // The latest reading: its absorbance and wavelength are stored first, then the serial moves on
    // (release), so whoever sees a new serial (acquire) sees the reading it counts.
    std::atomic<float> lastAbsorbance{0.0f};
    std::atomic<int> lastReadingTenths{-1};
    std::atomic<std::uint32_t> readingSerial{0};
    std::atomic<float> blankAbsorbance{0.0f};
    // Sampling ticks that found no new reading at the curve's wavelength: stored as 0 and counted.
    std::atomic<int> missingPoints{0};
    // The points a timed sampling had stored when it ended: the end itself sets the curve's count to
    // its full grid, so a stopped scan's window learns here how far it got.
    std::atomic<int> sampledPoints{0};
    // Scan points whose wavelength lay off the spectrum's grid: counted and dropped.
    std::atomic<int> offGridPoints{0};
    // Whether an acquisition is open, for the user interface's enabling rules.
    std::atomic<bool> open{false};

    // Where the open acquisition's data and notifications go.
    struct Targets {
        NotifyTarget *notifyWindow = nullptr;
        ScanTarget *scanTarget = nullptr;
        ScanTarget *scanSecond = nullptr;
        TimedTarget *timedTarget = nullptr;
        std::atomic<float> *blankTarget = nullptr;
        std::atomic<float> *resultTarget = nullptr;
    };

    // The acquisition with its lock held: the only way to its targets.
    class Held {
    public:
        explicit Held(Acquisition &acquisition) : m_acquisition(acquisition), m_guard(acquisition.m_lock) {}
        Targets &targets() { return m_acquisition.m_targets; }
        bool isOpen() const { return m_acquisition.m_targets.notifyWindow != nullptr; }
        // Opens for a window in a mode; false when another acquisition is open.
        bool open(NotifyTarget *window, int newMode);
        // Posts to the acquisition's window, if any.
        void post(const Notification &notification);
        // Forgets every target and marks the acquisition closed.
        void close();
        // A reading is in: its value and wavelength first, then the serial that announces it (release).
        // Under the lock, so a sampler holding it sees a value and its serial together.
        void publishReading(float absorbance, int tenths);
        // The scan buffers' fill cursors end and their pins are released; the second buffer (reference
        // energies) only when it is being filled on a two-beam instrument.
        void releaseScanBuffers(bool clearSecondAcquiring, bool twoBeams);

    private:
        Acquisition &m_acquisition;
        std::lock_guard<std::mutex> m_guard;
    };
    Held hold() { return Held(*this); }

private:
    std::mutex m_lock;
    Targets m_targets;
};

} // namespace spectavo::link
