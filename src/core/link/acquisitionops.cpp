// The acquisition operations and the commands with their send policy.

#include "core/link/stationlink.h"

namespace spectavo::link {
namespace {

std::span<const std::uint8_t> bytesOf(const std::uint8_t &byte) {
    return std::span<const std::uint8_t>(&byte, 1);
}

} // namespace

void StationLink::postAcquisitionLocked(const Notification &notification) {
    if (m_acquisition.notifyWindow)
        m_acquisition.notifyWindow->post(notification);
}

void StationLink::closeAcquisitionLocked() {
    m_acquisition.notifyWindow = nullptr;
    m_acquisition.scanTarget = nullptr;
    m_acquisition.scanSecond = nullptr;
    m_acquisition.timedTarget = nullptr;
    m_acquisition.blankTarget = nullptr;
    m_acquisition.resultTarget = nullptr;
    m_acquisition.mode.store(kModeNone, std::memory_order_relaxed);
    m_acquisition.armed.store(0, std::memory_order_relaxed);
    m_acquisition.open.store(false, std::memory_order_release);
}

void StationLink::releaseScanBuffersLocked(bool clearSecondAcquiring) {
    if (m_acquisition.scanTarget) {
        m_acquisition.scanTarget->fillCursor().store(-1, std::memory_order_release);
        m_acquisition.scanTarget->releasePin();
    }
    ScanTarget *second = m_acquisition.scanSecond;
    if (second && m_acquisition.scanDataKind.load(std::memory_order_relaxed) == kScanEnergies &&
        m_config.beamType.load(std::memory_order_relaxed) > 0) {
        if (clearSecondAcquiring)
            second->acquiringFlag().store(false, std::memory_order_release);
        second->fillCursor().store(-1, std::memory_order_release);
        second->releasePin();
    }
}

bool StationLink::openAcquisitionLocked(NotifyTarget *window, int mode) {
    if (m_acquisition.notifyWindow)
        return false;
    m_acquisition.armed.store(0, std::memory_order_relaxed);
    m_acquisition.mode.store(mode, std::memory_order_relaxed);
    m_acquisition.notifyWindow = window;
    m_acquisition.open.store(true, std::memory_order_release);
    return true;
}

bool StationLink::heldByOther(NotifyTarget *window) const {
    return m_acquisition.notifyWindow && m_acquisition.notifyWindow != window;
}

bool StationLink::OpenAcquisition(NotifyTarget *window, int mode) {
    std::lock_guard guard(m_acquisition.lock);
    return openAcquisitionLocked(window, mode);
}

void StationLink::ArmAcquisition() {
    std::lock_guard guard(m_acquisition.lock);
    if (m_acquisition.notifyWindow)
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
        std::lock_guard guard(m_acquisition.lock);
        if (m_acquisition.notifyWindow || dataKind < 0 || dataKind > 3)
            return false;
        m_acquisition.scanDataKind.store(static_cast<std::uint8_t>(dataKind), std::memory_order_relaxed);
        m_acquisition.scanTarget = target;
        m_acquisition.scanSecond = second;
        openAcquisitionLocked(window, kModeWaveScan);
    }
    const std::uint8_t code = dataKind == kScanEnergies       ? kStartScanEnergies
                              : dataKind == kScanSampleEnergy ? kStartScanSampleEnergy
                                                              : kStartScanAbsorbance;
    return SendUntilAccepted(code);
}

bool StationLink::OpenCommandAcquisition(std::uint8_t code, NotifyTarget *window) {
    {
        std::lock_guard guard(m_acquisition.lock);
        if (m_acquisition.notifyWindow)
            return false;
        m_acquisition.notifyWindow = window;
        m_acquisition.open.store(true, std::memory_order_release);
    }
    return SendUntilAccepted(code);
}

bool StationLink::OpenWordAcquisition(std::uint8_t code, std::uint8_t first, std::uint8_t second,
                                      NotifyTarget *window) {
    {
        std::lock_guard guard(m_acquisition.lock);
        if (m_acquisition.notifyWindow)
            return false;
        m_acquisition.notifyWindow = window;
        m_acquisition.open.store(true, std::memory_order_release);
    }
    const std::uint8_t data[] = {first, second};
    return SendUntilAccepted(code, data);
}

bool StationLink::GotoAndRead(int mode, float nanometres, std::atomic<float> *blank,
                              std::atomic<float> *result, NotifyTarget *window) {
    {
        std::lock_guard guard(m_acquisition.lock);
        if (heldByOther(window))
            return false;
        m_acquisition.armed.store(0, std::memory_order_relaxed);
        m_acquisition.blankTarget = blank;
        m_acquisition.resultTarget = result;
        m_acquisition.mode.store(mode, std::memory_order_relaxed);
        m_acquisition.notifyWindow = window;
        m_acquisition.targetWavelengthTenths.store(static_cast<int>(toTenths(nanometres)),
                                                   std::memory_order_relaxed);
        m_acquisition.open.store(true, std::memory_order_release);
    }
    const bool sent = SendUntilAccepted(kGotoWavelength, wavelengthArgument(nanometres));
    postMain(Notification::station(1, 1));
    return sent;
}

bool StationLink::GotoWavelength(float nanometres, NotifyTarget *window) {
    return GotoAndRead(kModeGotoOnly, nanometres, nullptr, nullptr, window);
}

bool StationLink::TakeBlank(NotifyTarget *window) {
    {
        std::lock_guard guard(m_acquisition.lock);
        if (heldByOther(window))
            return false;
        m_acquisition.mode.store(kModeTakeBlank, std::memory_order_relaxed);
        m_acquisition.notifyWindow = window;
        m_acquisition.armed.store(1, std::memory_order_relaxed);
        m_acquisition.open.store(true, std::memory_order_release);
    }
    postMain(Notification::station(1, 1));
    return true;
}

bool StationLink::StartTimedSampling(int periodMs, TimedTarget *curve, NotifyTarget *window) {
    {
        std::lock_guard guard(m_acquisition.lock);
        if (m_acquisition.notifyWindow)
            return false;
        m_acquisition.timedTarget = curve;
        m_acquisition.repeatedPoints.store(0, std::memory_order_relaxed);
        openAcquisitionLocked(window, kModeTimedSampling);
    }
    postMain(Notification::station(1, 1));
    m_acquisition.armed.store(1, std::memory_order_relaxed);
    // A timer that cannot start leaves the acquisition open and armed; the operator stops it.
    m_sampling.start(std::chrono::milliseconds(periodMs));
    return true;
}

void StationLink::CloseAcquisition() {
    std::lock_guard guard(m_acquisition.lock);
    closeAcquisitionLocked();
}

void StationLink::EndTimedSampling() {
    m_sampling.end();
}

void StationLink::StopMeasurement() {
    bool sampling = false;
    {
        std::lock_guard guard(m_acquisition.lock);
        if (m_acquisition.notifyWindow) {
            postAcquisitionLocked(Notification::acquisition(2, 0));
            const int mode = m_acquisition.mode.load(std::memory_order_relaxed);
            sampling = mode == kModeTimedSampling;
            if (mode == kModeWaveScan) {
                if (m_acquisition.scanTarget)
                    m_acquisition.scanTarget->releasePin();
                if (m_acquisition.scanSecond &&
                    m_acquisition.scanDataKind.load(std::memory_order_relaxed) == kScanEnergies &&
                    m_config.beamType.load(std::memory_order_relaxed) == 2)
                    m_acquisition.scanSecond->releasePin();
            }
        }
    }
    if (sampling)
        EndTimedSampling();
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
    return SendUntilAccepted(kCalibrateBaseline);
}

bool StationLink::Locate656() {
    return SendUntilAccepted(kLocate656);
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
