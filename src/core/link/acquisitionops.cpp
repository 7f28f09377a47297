// The acquisition operations: each opens the shared acquisition for a window and sends what starts it.

#include "core/link/acquisitionops.h"

#include "core/link/commands.h"
#include "core/link/stationlink.h"

namespace spectavo::link {
namespace {

std::span<const std::uint8_t> bytesOf(const std::uint8_t &byte) {
    return std::span<const std::uint8_t>(&byte, 1);
}

} // namespace

AcquisitionOps::AcquisitionOps(StationLink &link)
    : m_link(link), m_channel(link.channel()), m_status(link.status()), m_config(link.config()),
      m_acquisition(link.acquisition()), m_sampling(link) {}

bool AcquisitionOps::heldByOther(Acquisition::Held &held, NotifyTarget *window) {
    return held.isOpen() && held.targets().notifyWindow != window;
}

// An operation whose command did not go out closes what it opened: nothing would ever end it, and
// every later start would be refused.
bool AcquisitionOps::sendOrClose(std::uint8_t code, std::span<const std::uint8_t> data) {
    if (m_channel.SendUntilAccepted(code, data))
        return true;
    CloseAcquisition();
    return false;
}

bool AcquisitionOps::OpenAcquisition(NotifyTarget *window, int mode) {
    return m_acquisition.hold().open(window, mode);
}

void AcquisitionOps::ArmAcquisition() {
    Acquisition::Held held = m_acquisition.hold();
    if (held.isOpen())
        m_acquisition.armed.store(1, std::memory_order_relaxed);
}

bool AcquisitionOps::RequestCell(std::uint8_t cell) {
    m_status.requestedCell.store(cell, std::memory_order_relaxed);
    return m_channel.SendUntilAccepted(kSelectCell, bytesOf(cell));
}

bool AcquisitionOps::SendScanSetup(float upperNm, float lowerNm, float stepNm, std::uint8_t filterCode) {
    if (m_acquisition.open.load(std::memory_order_acquire))
        return false;
    return m_channel.SendUntilAccepted(kScanSetup, scanSetupMessage(upperNm, lowerNm, stepNm, filterCode));
}

bool AcquisitionOps::StartScan(int dataKind, ScanTarget *target, ScanTarget *second, NotifyTarget *window) {
    {
        Acquisition::Held held = m_acquisition.hold();
        if (held.isOpen() || dataKind < 0 || dataKind > 3)
            return false;
        m_acquisition.scanDataKind.store(static_cast<std::uint8_t>(dataKind), std::memory_order_relaxed);
        m_acquisition.offGridPoints.store(0, std::memory_order_relaxed);
        held.targets().scanTarget = target;
        held.targets().scanSecond = second;
        held.open(window, kModeWaveScan);
    }
    const std::uint8_t code = dataKind == kScanEnergies       ? kStartScanEnergies
                              : dataKind == kScanSampleEnergy ? kStartScanSampleEnergy
                                                              : kStartScanAbsorbance;
    return sendOrClose(code);
}

bool AcquisitionOps::OpenCommandAcquisition(std::uint8_t code, NotifyTarget *window) {
    if (!m_acquisition.hold().open(window, kModeNone))
        return false;
    // The dark-current calibration is a long operation: flagged before its command goes out, so that an
    // acknowledgement arriving at once is not overwritten.
    if (code == kCalibrateDarkCurrent)
        m_status.longOperationPending.store(1, std::memory_order_relaxed);
    if (sendOrClose(code)) {
        // The calibration takes the instrument for a while: the state pane says so.
        if (code == kCalibrateDarkCurrent)
            m_link.postMain(Notification::station(kStationState, kStateBusy));
        return true;
    }
    if (code == kCalibrateDarkCurrent)
        m_status.longOperationPending.store(0, std::memory_order_relaxed);
    return false;
}

bool AcquisitionOps::OpenWordAcquisition(std::uint8_t code, std::uint8_t first, std::uint8_t second,
                                         NotifyTarget *window) {
    if (!m_acquisition.hold().open(window, kModeNone))
        return false;
    const std::uint8_t data[] = {first, second};
    return sendOrClose(code, data);
}

bool AcquisitionOps::GotoAndRead(int mode, float nanometres, std::atomic<float> *blank,
                                 std::atomic<float> *result, NotifyTarget *window) {
    {
        Acquisition::Held held = m_acquisition.hold();
        if (heldByOther(held, window))
            return false;
        held.targets().blankTarget = blank;
        held.targets().resultTarget = result;
        held.targets().notifyWindow = nullptr; // reopened for the same window with the new mode
        held.open(window, mode);
        m_acquisition.targetWavelengthTenths.store(static_cast<int>(toTenths(nanometres)),
                                                   std::memory_order_relaxed);
    }
    if (!sendOrClose(kGotoWavelength, wavelengthArgument(nanometres)))
        return false;
    m_link.postMain(Notification::station(kStationState, kStateBusy));
    return true;
}

bool AcquisitionOps::GotoWavelength(float nanometres, NotifyTarget *window) {
    return GotoAndRead(kModeGotoOnly, nanometres, nullptr, nullptr, window);
}

bool AcquisitionOps::TakeBlank(NotifyTarget *window) {
    {
        Acquisition::Held held = m_acquisition.hold();
        if (heldByOther(held, window))
            return false;
        held.targets().notifyWindow = nullptr;
        held.open(window, kModeTakeBlank);
        m_acquisition.armed.store(1, std::memory_order_relaxed);
    }
    m_link.postMain(Notification::station(kStationState, kStateBusy));
    return true;
}

bool AcquisitionOps::StartTimedSampling(int periodMs, TimedTarget *curve, NotifyTarget *window) {
    m_sampling.clearBreak();
    {
        Acquisition::Held held = m_acquisition.hold();
        if (held.isOpen())
            return false;
        held.targets().timedTarget = curve;
        m_acquisition.missingPoints.store(0, std::memory_order_relaxed);
        m_acquisition.sampledPoints.store(0, std::memory_order_relaxed);
        held.open(window, kModeTimedSampling);
    }
    m_link.postMain(Notification::station(kStationState, kStateBusy));
    m_acquisition.armed.store(1, std::memory_order_relaxed);
    // A timer that cannot start leaves the acquisition open and armed; the operator stops it.
    m_sampling.start(std::chrono::milliseconds(periodMs), m_link.timing().silenceGiveUp);
    return true;
}

void AcquisitionOps::CloseAcquisition() {
    if (stopSamplingOf(nullptr))
        return;
    m_acquisition.hold().close();
}

void AcquisitionOps::CloseAcquisitionOf(NotifyTarget *window) {
    if (stopSamplingOf(window))
        return;
    Acquisition::Held held = m_acquisition.hold();
    if (held.isOpen() && held.targets().notifyWindow == window)
        held.close();
}

// A time scan is never cut off silently: its window hears a stop, keeps what was measured, and the
// curve is released before this returns. False when no time scan (of `window`, if given) is open.
bool AcquisitionOps::stopSamplingOf(NotifyTarget *window) {
    {
        Acquisition::Held held = m_acquisition.hold();
        if (!held.isOpen() || m_acquisition.mode.load(std::memory_order_relaxed) != kModeTimedSampling ||
            (window && held.targets().notifyWindow != window))
            return false;
        held.post(Notification::acquisition(kAcqStopped, 0));
    }
    EndTimedSampling();
    // A sampling whose timer never started left its acquisition open.
    Acquisition::Held held = m_acquisition.hold();
    if (m_acquisition.mode.load(std::memory_order_relaxed) == kModeTimedSampling)
        held.close();
    return true;
}

void AcquisitionOps::closeFromInstrument(Acquisition::Held &held) {
    if (m_acquisition.mode.load(std::memory_order_relaxed) == kModeTimedSampling && m_sampling.requestBreak())
        return;
    held.close();
}

void AcquisitionOps::EndTimedSampling() {
    m_sampling.end();
}

void AcquisitionOps::StopMeasurement() {
    {
        Acquisition::Held held = m_acquisition.hold();
        if (held.isOpen() && m_acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan) {
            held.post(Notification::acquisition(kAcqStopped, 0));
            if (held.targets().scanTarget)
                held.targets().scanTarget->releasePin();
            if (held.targets().scanSecond &&
                m_acquisition.scanDataKind.load(std::memory_order_relaxed) == kScanEnergies &&
                m_config.beamType.load(std::memory_order_relaxed) == kDoubleBeam)
                held.targets().scanSecond->releasePin();
        } else if (held.isOpen() &&
                   m_acquisition.mode.load(std::memory_order_relaxed) != kModeTimedSampling) {
            held.post(Notification::acquisition(kAcqStopped, 0));
        }
    }
    CloseAcquisition();
    m_channel.SendUntilAccepted(kEscape);
}

} // namespace spectavo::link
