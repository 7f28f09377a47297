// The acquisition operations and the commands with their send policy.

#include "core/link/stationlink.h"

namespace spectavo::link {
namespace {

std::span<const std::uint8_t> bytesOf(const std::uint8_t &byte) {
    return std::span<const std::uint8_t>(&byte, 1);
}

} // namespace

bool Acquisition::Held::open(NotifyTarget *window, int newMode) {
    if (isOpen())
        return false;
    m_acquisition.armed.store(0, std::memory_order_relaxed);
    m_acquisition.mode.store(newMode, std::memory_order_relaxed);
    targets().notifyWindow = window;
    m_acquisition.open.store(true, std::memory_order_release);
    return true;
}

void Acquisition::Held::post(const Notification &notification) {
    if (NotifyTarget *window = targets().notifyWindow)
        window->post(notification);
}

void Acquisition::Held::close() {
    targets() = Targets{};
    m_acquisition.mode.store(kModeNone, std::memory_order_relaxed);
    m_acquisition.armed.store(0, std::memory_order_relaxed);
    m_acquisition.open.store(false, std::memory_order_release);
}

void Acquisition::Held::publishReading(float absorbance, int tenths) {
    m_acquisition.lastAbsorbance.store(absorbance, std::memory_order_relaxed);
    m_acquisition.lastReadingTenths.store(tenths, std::memory_order_relaxed);
    m_acquisition.readingSerial.fetch_add(1, std::memory_order_release);
}

void Acquisition::Held::releaseScanBuffers(bool clearSecondAcquiring, bool twoBeams) {
    if (ScanTarget *target = targets().scanTarget) {
        target->fillCursor().store(-1, std::memory_order_release);
        target->releasePin();
    }
    ScanTarget *second = targets().scanSecond;
    if (second && m_acquisition.scanDataKind.load(std::memory_order_relaxed) == kScanEnergies && twoBeams) {
        if (clearSecondAcquiring)
            second->acquiringFlag().store(false, std::memory_order_release);
        second->fillCursor().store(-1, std::memory_order_release);
        second->releasePin();
    }
}

bool StationLink::twoBeams() const {
    return m_config.beamType.load(std::memory_order_relaxed) != kSingleBeam;
}

bool StationLink::heldByOther(Acquisition::Held &held, NotifyTarget *window) {
    return held.isOpen() && held.targets().notifyWindow != window;
}

// An operation whose command did not go out closes what it opened: nothing would ever end it, and
// every later start would be refused.
bool StationLink::sendOrClose(std::uint8_t code, std::span<const std::uint8_t> data) {
    if (SendUntilAccepted(code, data))
        return true;
    CloseAcquisition();
    return false;
}

bool StationLink::OpenAcquisition(NotifyTarget *window, int mode) {
    return m_acquisition.hold().open(window, mode);
}

void StationLink::ArmAcquisition() {
    Acquisition::Held held = m_acquisition.hold();
    if (held.isOpen())
        m_acquisition.armed.store(1, std::memory_order_relaxed);
}

bool StationLink::RequestCell(std::uint8_t cell) {
    m_status.requestedCell.store(cell, std::memory_order_relaxed);
    return SendUntilAccepted(kSelectCell, bytesOf(cell));
}

bool StationLink::SendScanSetup(float upperNm, float lowerNm, float stepNm, std::uint8_t filterCode) {
    if (m_acquisition.open.load(std::memory_order_acquire))
        return false;
    return SendUntilAccepted(kScanSetup, scanSetupMessage(upperNm, lowerNm, stepNm, filterCode));
}

bool StationLink::StartScan(int dataKind, ScanTarget *target, ScanTarget *second, NotifyTarget *window) {
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

bool StationLink::OpenCommandAcquisition(std::uint8_t code, NotifyTarget *window) {
    if (!m_acquisition.hold().open(window, kModeNone))
        return false;
    // The dark-current calibration is a long operation: flagged before its command goes out, so that an
    // acknowledgement arriving at once is not overwritten.
    if (code == kCalibrateDarkCurrent)
        m_status.longOperationPending.store(1, std::memory_order_relaxed);
    if (sendOrClose(code)) {
        // The calibration takes the instrument for a while: the state pane says so.
        if (code == kCalibrateDarkCurrent)
            postMain(Notification::station(kStationState, kStateBusy));
        return true;
    }
    if (code == kCalibrateDarkCurrent)
        m_status.longOperationPending.store(0, std::memory_order_relaxed);
    return false;
}

bool StationLink::OpenWordAcquisition(std::uint8_t code, std::uint8_t first, std::uint8_t second,
                                      NotifyTarget *window) {
    if (!m_acquisition.hold().open(window, kModeNone))
        return false;
    const std::uint8_t data[] = {first, second};
    return sendOrClose(code, data);
}

bool StationLink::GotoAndRead(int mode, float nanometres, std::atomic<float> *blank,
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
    postMain(Notification::station(kStationState, kStateBusy));
    return true;
}

bool StationLink::GotoWavelength(float nanometres, NotifyTarget *window) {
    return GotoAndRead(kModeGotoOnly, nanometres, nullptr, nullptr, window);
}

bool StationLink::TakeBlank(NotifyTarget *window) {
    {
        Acquisition::Held held = m_acquisition.hold();
        if (heldByOther(held, window))
            return false;
        held.targets().notifyWindow = nullptr;
        held.open(window, kModeTakeBlank);
        m_acquisition.armed.store(1, std::memory_order_relaxed);
    }
    postMain(Notification::station(kStationState, kStateBusy));
    return true;
}

bool StationLink::StartTimedSampling(int periodMs, TimedTarget *curve, NotifyTarget *window) {
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
    postMain(Notification::station(kStationState, kStateBusy));
    m_acquisition.armed.store(1, std::memory_order_relaxed);
    // A timer that cannot start leaves the acquisition open and armed; the operator stops it.
    m_sampling.start(std::chrono::milliseconds(periodMs), m_timing.silenceGiveUp);
    return true;
}

void StationLink::CloseAcquisition() {
    if (stopSamplingOf(nullptr))
        return;
    m_acquisition.hold().close();
}

void StationLink::CloseAcquisitionOf(NotifyTarget *window) {
    if (stopSamplingOf(window))
        return;
    Acquisition::Held held = m_acquisition.hold();
    if (held.isOpen() && held.targets().notifyWindow == window)
        held.close();
}

// A time scan is never cut off silently: its window hears a stop, keeps what was measured, and the
// curve is released before this returns. False when no time scan (of `window`, if given) is open.
bool StationLink::stopSamplingOf(NotifyTarget *window) {
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

void StationLink::closeFromInstrument(Acquisition::Held &held) {
    if (m_acquisition.mode.load(std::memory_order_relaxed) == kModeTimedSampling && m_sampling.requestBreak())
        return;
    held.close();
}

void StationLink::EndTimedSampling() {
    m_sampling.end();
}

void StationLink::StopMeasurement() {
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
    SendUntilAccepted(kEscape);
}

bool StationLink::LinkRequest() {
    m_status.linkOnline.store(0, std::memory_order_relaxed);
    return IsHubConnected() && SendCommand(kLinkRequest);
}

bool StationLink::Unlink() {
    return SendUntilAccepted(kUnlink);
}

bool StationLink::LampSwitch(std::uint8_t lamp, std::uint8_t on) {
    const std::uint8_t data[] = {lamp, on};
    return SendUntilAccepted(kLampSwitch, data);
}

bool StationLink::SetSwitchPoint(float nanometres) {
    return SendUntilAccepted(kSetSwitchPoint, wavelengthArgument(nanometres)) && CalibrateBaseline();
}

// The long operations are flagged before their command goes out: an acknowledgement that arrives
// first would otherwise be overwritten, leaving the flag set for nothing.
bool StationLink::sendLongOperation(std::uint8_t code) {
    m_status.longOperationPending.store(1, std::memory_order_relaxed);
    if (SendUntilAccepted(code))
        return true;
    m_status.longOperationPending.store(0, std::memory_order_relaxed);
    return false;
}

bool StationLink::SelectCellOnce(std::uint8_t cell) {
    return SendCommand(kSelectCell, cell);
}

bool StationLink::RemoteMeasureDone() {
    return SendUntilAccepted(kRemoteMeasureDone);
}

bool StationLink::SetAmplifier(std::uint8_t amplifierByte) {
    return SendUntilAccepted(kSetAmplifier, bytesOf(amplifierByte));
}

bool StationLink::SetSlit(std::uint8_t slitCode) {
    return SendCommand(kSetSlit, slitCode);
}

bool StationLink::CalibrateBaseline() {
    return sendLongOperation(kCalibrateBaseline);
}

bool StationLink::Locate656() {
    return sendLongOperation(kLocate656);
}

bool StationLink::ConfirmYes() {
    return SendCommand(kConfirmYes);
}

bool StationLink::ConfirmNo() {
    return SendCommand(kConfirmNo);
}

bool StationLink::Escape() {
    return SendUntilAccepted(kEscape);
}

bool StationLink::QueryStatus() {
    return SendUntilAccepted(kQueryStatus);
}

} // namespace spectavo::link
