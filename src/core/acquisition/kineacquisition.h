#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "core/acquisition/measuredstate.h"
#include "core/link/stationlink.h"
#include "core/program/programrecords.h"
#include "core/scan/recordlist.h"
#include "core/scan/time/kinespectrum.h"
#include "core/strings/translation.h"

namespace spectavo {

// What a time-scan window shows of its runs. Called on the window's thread only.
class KineAcquisitionView {
public:
    virtual ~KineAcquisitionView() = default;
    // The second status pane ("Wait...", "Ready").
    virtual void showState(const std::string &text) = 0;
    // An information message with the program's caption.
    virtual void inform(const std::string &text) = 0;
    // Curves were added or removed: refill the curve box, the list pane, redraw.
    virtual void curvesChanged() = 0;
    // New points of the acquiring curves are in: draw them and show the time reached.
    virtual void pointsArrived() = 0;
    // A curve finished or a run ended: refresh the list pane and redraw.
    virtual void scanEnded() = 0;
    // A curve's run ended with what it measured: the window keeps it as a result.
    virtual void measured(const scan::CKineSpectrum &, MeasuredState, MeasuredClock::time_point) {}
};

// The window timers of a run: the cycle (every step) and the settle delay after the changer reached
// a cell; in a single-cell start, the settle timer bounds the wait for the first reading at the
// wavelength. Tests drive them by hand.
class KineTimers {
public:
    virtual ~KineTimers() = default;
    virtual void startCycle(int milliseconds) = 0;
    virtual void stopCycle() = 0;
    virtual void startSettle(int milliseconds) = 0;
    virtual void stopSettle() = 0;
};

// The time scans of one window: the single-cell scan the link samples on its timer, the multicell
// run the window drives cell by cycle, the remote start, and their ends. Runs on the window's thread.
class KineAcquisition {
public:
    static constexpr const char *kCompleted =
        SPECTAVO_TEXT("Time scan completed, please continue your work.");
    static constexpr const char *kBroken = SPECTAVO_TEXT("Time scan has been broken.");
    static constexpr const char *kUnusableSetup = SPECTAVO_TEXT(
        "The time scan's settings hold no usable step or total time. Open the setup and confirm it.");
    static constexpr float kMinimumCycleStep = 30.0f;
    static constexpr int kSettleMilliseconds = 2000;
    // How long a start waits for a reading at the wavelength before the scan is given up.
    static constexpr int kReadingWaitMilliseconds = 5000;

    KineAcquisition(program::ProgramRecords program, scan::RecordList<scan::CKineSpectrum> &curves,
                    link::NotifyTarget *window, KineAcquisitionView &view, KineTimers &timers);

    // Linked, ready, lamp stable, no acquisition open and no automatic run anywhere.
    bool instrumentFree() const;
    // Whether this window's scan or run is under way.
    bool running() const { return m_single != nullptr || m_autorun; }
    int installedCellCount() const;

    // The setup's OK: the parameters are already stored; the monochromator goes to the wavelength.
    bool gotoWavelength(float nanometres);

    // A single-cell scan into a new curve in front of the list, which becomes current. The
    // monochromator goes to the wavelength first; the sampling starts with the first reading taken
    // there, so no point is a reading from the drive's way.
    bool startSingle();
    // One curve per installed cell, each filled from its own cell every cycle.
    bool startAutorun();
    void remoteStart(int code);

    void handleNotification(const link::Notification &notification);
    // Timer 2: a new cycle starts at the first installed cell.
    void cycleTick();
    // Timer 3: the cell has settled; the next reading is taken. In a single-cell start: no reading came
    // at the wavelength in time, and the scan is given up.
    void settleTick();
    // Whether the last run ended broken (stopped, given up, ended from the instrument's side).
    bool lastRunBroken() const { return m_lastRunBroken; }
    // Whether a single-cell start still waits for its first reading at the wavelength.
    bool waitingForWavelength() const { return m_waitingForWavelength; }

private:
    // The stored setup can be edited by hand: a step or total time no scan can keep is refused.
    bool parametersUsable();
    scan::CKineSpectrum &insertScanCurve(const std::string &name, std::uint32_t colour);
    std::string nextSampleName() const;
    void beginSampling();
    void giveUpWaiting();
    void finishSingle();
    void stopped();
    // The note on points that never arrived, added to the curve's memo; empty when none is missing.
    std::string noteMissingPoints(scan::CKineSpectrum &curve, int missing);
    void takeCellReading(float absorbance);
    // Places a reading of a cycle at that cycle's point; points skipped since are missing (0).
    void storeCycleReading(std::size_t cell, scan::CKineSpectrum &curve, float absorbance);
    void endCurve(scan::CKineSpectrum &curve);
    void endRun();
    // A stopped curve keeps what was measured: its grid ends at the last measured point.
    // False when nothing was measured: the curve then leaves the list.
    bool keepMeasured(scan::CKineSpectrum &curve, int measured);
    int firstInstalledCell() const;
    int installedCellAfter(int cell) const;
    void reportRemoteDone();
    bool onList(const scan::CKineSpectrum *curve) const;

    program::ProgramRecords m_program;
    scan::RecordList<scan::CKineSpectrum> &m_curves;
    link::NotifyTarget *m_window;
    KineAcquisitionView &m_view;
    KineTimers &m_timers;
    // The curve the link samples into, while it does.
    scan::CKineSpectrum *m_single = nullptr;
    MeasuredClock::time_point m_startedAt;
    bool m_autorun = false;
    // The curve each cell's readings go to during a run.
    std::array<scan::CKineSpectrum *, program::CellSelection::kCells> m_cellCurves{};
    // A stop was handled: the completion the link sends after it is no news.
    bool m_stopHandled = false;
    bool m_lastRunBroken = false;
    // A single-cell start waiting for its first reading at the wavelength, and that reading.
    bool m_waitingForWavelength = false;
    std::atomic<float> m_arrivalBlank{0.0f};
    std::atomic<float> m_arrivalReading{0.0f};
    // The multicell run's cycle (point index), the cell and cycle of the reading armed last, and the
    // points that never arrived.
    int m_cycle = -1;
    int m_armedCell = -1;
    int m_armedCycle = -1;
    std::array<int, program::CellSelection::kCells> m_cellMissing{};
};

} // namespace spectavo
