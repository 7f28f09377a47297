#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/acquisition/measuredstate.h"
#include "core/link/stationlink.h"
#include "core/program/appflags.h"
#include "core/program/cellselection.h"
#include "core/program/programrecords.h"
#include "core/program/sharedsettings.h"
#include "core/scan/recordlist.h"
#include "core/scan/wave/wavespectrum.h"
#include "core/strings/translation.h"

namespace spectavo {

// What a wavelength-scan window shows of its runs. Called on the window's thread only.
class WaveAcquisitionView {
public:
    virtual ~WaveAcquisitionView() = default;
    // The first status pane ("Wait...", "Ready").
    virtual void showState(const std::string &text) = 0;
    // An information message with the program's caption.
    virtual void inform(const std::string &text) = 0;
    // A clear error the operator must read before anything is sent.
    virtual void refuse(const std::string &text) = 0;
    // Spectra were added or removed, or a scan ended: refill the list box, the peak list, redraw.
    virtual void spectraChanged() = 0;
    // New points of the acquiring spectra are in: draw them and show the progress.
    virtual void pointsArrived() = 0;
    // The energy scan shows absorbance values as they are.
    virtual void switchToAbsorbance() = 0;
    // A scan ended with what it measured, before anything else changes the spectrum: the window
    // keeps it as a result.
    virtual void measured(const scan::CWaveSpectrum &, MeasuredState, MeasuredClock::time_point) {}
};

// The scans of one wavelength-scan window: sending the scan parameters, starting sample, baseline,
// energy and slit-width scans into new spectra, their completion and abort, the automatic run over
// the installed cells and the remote start. The link's receive thread fills the spectra; this class
// runs on the window's thread and reacts to the notifications the window passes on.
class WaveAcquisition {
public:
    // The most points a scan may have: the baseline reference holds that many values.
    static constexpr std::size_t kMaxScanPoints = program::SharedSettings::kBaselinePoints;

    // Why a scan over this range and step cannot be made, or nothing when it can.
    static std::optional<std::string> refusalFor(float high, float low, float step);

    using Program = program::ProgramRecords;

    WaveAcquisition(Program program, scan::RecordList<scan::CWaveSpectrum> &spectra,
                    link::NotifyTarget *window, WaveAcquisitionView &view);

    // The instrument is ready for a scan: linked, ready, lamp stable, no acquisition, no autorun.
    bool instrumentReady() const;
    // Whether this window's scan is running.
    bool scanning() const;
    bool baselineMode() const { return m_baselineMode; }

    // Adjusts the low end, invalidates a baseline that no longer matches and sends the parameters.
    // Refused (false, the operator told, nothing sent) when the scan would exceed the reference.
    bool sendScanParameters();

    // A sample scan (or, in baseline mode, a baseline scan) into a new spectrum at list index 0.
    bool startSampleScan(std::optional<std::string> name = {}, std::optional<int> colourIndex = {});
    bool startBaselineScan();
    // After the amplifier-level dialog was confirmed.
    bool startEnergyScan();
    bool startSlitWidthScan();
    bool startAutorun();
    // A remote-start request forwarded by the main window.
    void remoteStart(int code);

    // The window's acquisition notifications.
    void handleNotification(const link::Notification &notification);

    // Points received so far of the running scan, and its total (0 of 0 when none runs).
    struct Progress {
        int received = 0;
        int total = 0;
    };
    Progress progress() const;

    // The window's watch over a running scan, called about once a second: a scan whose link went
    // offline, or that received nothing for the link's give-up time, is stopped (and ends as broken,
    // keeping what was measured) instead of waiting for a scan that will never finish.
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kStallLimit{5};
    void watch(Clock::time_point now);
    static constexpr const char *kStalled = SPECTAVO_TEXT("The instrument stopped sending the scan.");

private:
    void finish();
    void abort();
    void adoptBaseline(const scan::CWaveSpectrum *baselineScan);
    void clearAcquiringFlags(bool recomputeMarks);
    // The scanned spectra's points that never arrived: each spectrum's memo records them, and the text
    // for the operator is returned (empty when none is missing).
    std::string recordMissingPoints();
    // A stopped scan keeps what was measured: each acquiring spectrum is cut to its measured high part,
    // and one with nothing measured leaves the list.
    void keepMeasuredParts();
    void startNextCell();
    void advanceAutorun();
    // The step and filter code the parameters were sent with.
    struct Grid {
        float step;
        int filter;
    };
    std::optional<Grid> sendParameters();
    scan::CWaveSpectrum &insertScanSpectrum(std::uint32_t colour, const Grid &grid);
    bool startOnLink(int kind, scan::CWaveSpectrum *target, scan::CWaveSpectrum *second);
    void removeMadeSpectra(int count);

    Program m_program;
    scan::RecordList<scan::CWaveSpectrum> &m_spectra;
    link::NotifyTarget *m_window;
    WaveAcquisitionView &m_view;
    bool m_baselineMode = false;
    scan::CWaveSpectrum *m_target = nullptr;
    MeasuredClock::time_point m_startedAt;
    // When the running scan last delivered something (or started).
    std::optional<Clock::time_point> m_lastData;
    int m_lastReceived = -1;
};

// The name of a new scan: `name`, with `suffix` appended once for every other spectrum (from the end
// of the list towards index 1) that already carries the name as it stands then.
std::string deconflictedScanName(const scan::RecordList<scan::CWaveSpectrum> &spectra, std::string name,
                                 const std::string &suffix);

} // namespace spectavo
