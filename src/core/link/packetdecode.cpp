// The receive thread's decode of every packet type into the station records, the open acquisition
// and the notifications.

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

#include "core/link/bytes.h"
#include "core/link/readingdecode.h"
#include "core/link/stationlink.h"

namespace spectavo::link {

namespace {

// The packet's meaningful bytes in a zeroed array: nothing past `length` or the 64 data bytes is read.
std::array<std::uint8_t, 64> payloadOf(const StationPacket &packet) {
    std::array<std::uint8_t, 64> data{};
    std::copy_n(packet.data, std::min<std::size_t>(packet.length, data.size()), data.begin());
    return data;
}

std::string textField(const std::array<std::uint8_t, 64> &data, std::size_t maxLength) {
    std::string text;
    for (std::size_t i = 0; i < maxLength && data[i] != 0; ++i)
        text += static_cast<char>(data[i]);
    return text;
}

// The instrument acknowledges the switching of its processor-load reports under this code.
constexpr std::uint8_t kLoadReports = 3;

float finiteOrZero(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

// Stores a value at the target's fill cursor and moves the cursor down, publishing the point. A
// cursor outside the buffer stores nothing.
void storeAtCursor(ScanTarget &target, float value) {
    std::atomic<int> &cursor = target.fillCursor();
    const int at = cursor.load(std::memory_order_relaxed);
    const std::span<float> points = target.scanPoints();
    if (at >= 0 && static_cast<std::size_t>(at) < points.size())
        points[static_cast<std::size_t>(at)] = value;
    cursor.store(at - 1, std::memory_order_release);
}

float valueAtCursor(ScanTarget &target) {
    const int at = target.fillCursor().load(std::memory_order_relaxed);
    const std::span<float> points = target.scanPoints();
    return (at >= 0 && static_cast<std::size_t>(at) < points.size()) ? points[static_cast<std::size_t>(at)]
                                                                     : 0.0f;
}

} // namespace

// Decoding steps that need the link's private parts, one function per packet family.
class PacketDecoder {
public:
    PacketDecoder(StationLink &link, const StationPacket &packet)
        : m_link(link), m_packet(packet), m_data(payloadOf(packet)),
          m_length(std::min<std::size_t>(packet.length, 64)) {}

    void decode();

private:
    void linkState();
    void statusItem();
    void hardware();
    void configRecord();
    void blankReading();
    void operationState();
    void reading();
    void darkLevel();
    void darkCount();
    void scanStarted();
    void scanEnded();
    void scanPoint();
    void acknowledgement();
    void directory();
    void content();
    void postToAcquisitionWindow(const Notification &notification);

    StationLink &m_link;
    const StationPacket &m_packet;
    const std::array<std::uint8_t, 64> m_data;
    const std::size_t m_length;
};

void StationLink::decodePacket(const StationPacket &packet) {
    PacketDecoder(*this, packet).decode();
}

void PacketDecoder::decode() {
    StationStatus &status = m_link.m_status;
    const auto relaxed = std::memory_order_relaxed;
    switch (m_packet.code) {
    case 0:
        linkState();
        break;
    case 1:
        status.linkOnline.store(0, relaxed);
        m_link.postMain(Notification::station(1, 2));
        break;
    case 2:
        m_link.postMain(Notification::station(1, 0));
        status.linkOnline.store(0, relaxed);
        m_link.postMain(Notification::station(1, 2));
        break;
    case 3:
        status.cpuReportOn.store(1, relaxed);
        status.cpuCounter.store(readU32(m_data, 0), relaxed);
        status.cpuLoad.store(m_data[4], relaxed);
        m_link.postMain(Notification::station(3, m_data[4]));
        break;
    case 5:
        m_link.postMain(Notification::station(5, m_data[0]));
        break;
    case 7:
        status.modelName.set(textField(m_data, 10));
        break;
    case 8:
        hardware();
        break;
    case 9:
        status.serialText.set(textField(m_data, 11));
        break;
    case 10:
    case 11:
        status.versionText.set(textField(m_data, 19));
        break;
    case 16:
        statusItem();
        break;
    case 17:
        if (m_data[1] <= 1) {
            if (m_data[0] == 0)
                status.d2LampOn.store(m_data[1], relaxed);
            else if (m_data[0] == 1)
                status.wLampOn.store(m_data[1], relaxed);
        }
        break;
    case 19:
    case 20:
        status.switchPointNm.store(static_cast<float>(readU32(m_data, 0) / 10.0), relaxed);
        break;
    case 21: {
        status.currentCell.store(m_data[0], relaxed);
        std::lock_guard guard(m_link.m_acquisition.lock);
        if (m_link.m_acquisition.notifyWindow && status.requestedCell.load(relaxed) == m_data[0])
            m_link.postAcquisitionLocked(Notification::acquisition(3, 0));
        break;
    }
    case 23:
    case 24:
        status.currentWavelengthTenths.store(readU16(m_data, 0), relaxed);
        m_link.postMain(Notification::station(23, readU16(m_data, 0)));
        break;
    case 25:
        status.amplifierSetting.store(m_data[0], relaxed);
        break;
    case 27:
        status.slitSetting.store(m_data[0], relaxed);
        break;
    case 31:
        configRecord();
        break;
    case 32:
        blankReading();
        break;
    case 33:
        operationState();
        break;
    case 34:
        reading();
        break;
    case 42:
        darkLevel();
        break;
    case 44:
        darkCount();
        break;
    case 49:
        scanStarted();
        break;
    case 56:
        scanEnded();
        break;
    case 63:
        scanPoint();
        break;
    case 128:
        directory();
        break;
    case 130:
        content();
        break;
    case 255:
        acknowledgement();
        break;
    default:
        break;
    }
}

void PacketDecoder::linkState() {
    if (m_data[0] == 1)
        m_link.runHandshake();
    else if (m_data[0] == 0) {
        m_link.m_status.linkOnline.store(0, std::memory_order_relaxed);
        m_link.postMain(Notification::station(1, 2));
    } else if (m_data[0] == 255) {
        m_link.SendCommand(kLinkRequest);
    }
}

void StationLink::runHandshake() {
    constexpr std::uint8_t kQueries[] = {kQueryModel, kQueryVersion, kQueryHardware, kQuerySerial,
                                         kQueryStatus};
    for (std::uint8_t query : kQueries) {
        if (!SendUntilAccepted(query))
            return;
        std::this_thread::sleep_for(m_timing.handshakePause);
    }
    m_status.stationReady.store(1, std::memory_order_relaxed);
    m_status.linkOnline.store(1, std::memory_order_relaxed);
    postMain(Notification::station(1, 0));

    std::optional<ScanSetupMessage> setup;
    {
        std::lock_guard guard(m_providerMutex);
        if (m_scanSetupProvider)
            setup = m_scanSetupProvider();
    }
    if (setup && !m_acquisition.open.load(std::memory_order_acquire))
        SendCommand(kScanSetup, *setup);
}

void PacketDecoder::hardware() {
    const std::uint32_t word = readU32(m_data, 0);
    m_link.m_status.hardwareWord.store(word, std::memory_order_relaxed);
    const unsigned layout = (word >> 8) & 0x0F;
    const std::uint8_t beamType = (layout >= 1 && layout <= 3) ? static_cast<std::uint8_t>(layout - 1) : 2;
    const std::uint8_t channels = layout <= 2 ? static_cast<std::uint8_t>(layout) : 2;
    m_link.m_config.beamType.store(beamType, std::memory_order_relaxed);
    m_link.m_config.channels.store(channels, std::memory_order_relaxed);
}

void PacketDecoder::configRecord() {
    StationConfig &config = m_link.m_config;
    const auto relaxed = std::memory_order_relaxed;
    // The record's two limits come big-endian like every number on the link.
    config.beamType.store(m_data[0], relaxed);
    config.channels.store(m_data[1], relaxed);
    config.wlMaxTenths.store(readU16(m_data, 2), relaxed);
    config.wlMinTenths.store(readU16(m_data, 4), relaxed);
    config.stepsPerNm.store(m_data[6], relaxed);
    for (std::size_t i = 0; i < config.reserved.size(); ++i)
        config.reserved[i].store(m_data[7 + i], relaxed);
}

void PacketDecoder::statusItem() {
    StationStatus &status = m_link.m_status;
    const auto relaxed = std::memory_order_relaxed;
    const std::uint8_t item = m_data[0];
    const std::uint8_t value = m_data[1];
    switch (item) {
    case 0:
        if (status.cellCount.load(relaxed) != value || status.sipperPresent.load(relaxed) == 1)
            status.accessoryChanged.store(1, relaxed);
        status.sipperPresent.store(0, relaxed);
        status.cellCount.store(value, relaxed);
        break;
    case 1:
        status.currentCell.store(value, relaxed);
        status.multicellStatus.store(1, relaxed);
        break;
    case 2:
        status.filterStatus.store(value, relaxed);
        break;
    case 3:
        status.wavelengthDriveStatus.store(value, relaxed);
        break;
    case 4:
        status.adcStatus.store(value, relaxed);
        break;
    case 5:
        status.d2EnergyStatus.store(value, relaxed);
        break;
    case 6:
        status.wEnergyStatus.store(value, relaxed);
        break;
    case 7:
        status.wavelengthCalStatus.store(value, relaxed);
        break;
    case 8:
        status.sipperStatus.store(value, relaxed);
        if (value != 0 && status.sipperPresent.load(relaxed) == 0) {
            status.accessoryChanged.store(1, relaxed);
            status.sipperPresent.store(1, relaxed);
        }
        break;
    case 9:
        status.powerStatus.store(value, relaxed);
        break;
    case 11:
        status.d2EnergyStatus.store(0, relaxed);
        break;
    default:
        break;
    }
    m_link.postMain(Notification::station(16, item));
}

void PacketDecoder::postToAcquisitionWindow(const Notification &notification) {
    std::lock_guard guard(m_link.m_acquisition.lock);
    if (m_link.m_acquisition.notifyWindow)
        m_link.m_acquisition.notifyWindow->post(notification);
}

void PacketDecoder::blankReading() {
    const float absorbance = m_link.DecodeReading(m_data, false);
    Acquisition &acquisition = m_link.m_acquisition;
    {
        std::lock_guard guard(acquisition.lock);
        if (acquisition.mode.load(std::memory_order_relaxed) == kModeGotoAndReadout) {
            acquisition.armed.store(1, std::memory_order_relaxed);
            if (acquisition.blankTarget)
                acquisition.blankTarget->store(absorbance, std::memory_order_relaxed);
            m_link.postAcquisitionLocked(Notification::acquisition(32, 0));
        }
    }
    m_link.postMain(Notification::stationFloat(39, absorbance));
}

void PacketDecoder::operationState() {
    if (m_data[0] == 0) {
        postToAcquisitionWindow(Notification::station(33, 0));
        m_link.m_status.longOperationPending.store(0, std::memory_order_relaxed);
        m_link.CloseAcquisition();
        m_link.postMain(Notification::station(1, 0));
    } else if (m_data[0] == 1) {
        postToAcquisitionWindow(Notification::station(33, 1));
    }
}

void PacketDecoder::reading() {
    float absorbance = m_link.DecodeReading(m_data, false);
    Acquisition &acquisition = m_link.m_acquisition;
    bool blankTaken = false;
    {
        std::lock_guard guard(acquisition.lock);
        const bool armed = acquisition.armed.load(std::memory_order_relaxed) != 0;
        int mode = acquisition.mode.load(std::memory_order_relaxed);
        if (armed && mode == kModeGotoAndRead) {
            acquisition.armed.store(0, std::memory_order_relaxed);
            mode = kModeGotoAndReadout;
        }
        if (armed && mode == kModeGotoAndReadout) {
            const float blank =
                acquisition.blankTarget ? acquisition.blankTarget->load(std::memory_order_relaxed) : 0.0f;
            absorbance = m_link.SubtractBlank(absorbance, false, blank);
            if (acquisition.resultTarget)
                acquisition.resultTarget->store(absorbance, std::memory_order_relaxed);
            m_link.postAcquisitionLocked(Notification::acquisition(0, 0));
        } else if (armed && mode == kModeCellReading) {
            acquisition.armed.store(0, std::memory_order_relaxed);
            absorbance = m_link.SubtractBlank(absorbance, true, 0.0f);
            m_link.postAcquisitionLocked(Notification::acquisitionFloat(4, absorbance));
        } else if (armed && mode == kModeTakeBlank) {
            acquisition.blankAbsorbance.store(absorbance, std::memory_order_relaxed);
            absorbance = 0.0f;
            m_link.closeAcquisitionLocked();
            blankTaken = true;
        } else {
            absorbance = m_link.SubtractBlank(absorbance, true, 0.0f);
        }
    }
    if (blankTaken)
        m_link.postMain(Notification::station(32, 0));
    acquisition.lastAbsorbance.store(absorbance, std::memory_order_relaxed);
    m_link.postMain(Notification::stationFloat(39, absorbance));
}

void PacketDecoder::darkLevel() {
    const std::uint8_t level = m_data[0];
    if (level >= m_link.m_status.darkSample.size())
        return;
    m_link.m_status.darkSample[level].store(readU16(m_data, 1), std::memory_order_relaxed);
    m_link.m_status.darkReference[level].store(readU16(m_data, 3), std::memory_order_relaxed);
    postToAcquisitionWindow(Notification::station(42, level));
}

void PacketDecoder::darkCount() {
    m_link.m_status.darkLevelCount.store(m_data[0], std::memory_order_relaxed);
    postToAcquisitionWindow(Notification::station(44, m_data[0]));
}

void PacketDecoder::scanStarted() {
    m_link.postMain(Notification::station(1, 1));
    if (m_link.m_acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan)
        m_link.m_acquisition.armed.store(1, std::memory_order_relaxed);
}

void PacketDecoder::scanEnded() {
    m_link.postMain(Notification::station(1, 0));
    Acquisition &acquisition = m_link.m_acquisition;
    std::lock_guard guard(acquisition.lock);
    if (acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan) {
        // The buffers are released before the window hears that the scan is over.
        m_link.releaseScanBuffersLocked(false);
        m_link.postAcquisitionLocked(Notification::acquisition(1, 0));
    }
    m_link.closeAcquisitionLocked();
}

void PacketDecoder::scanPoint() {
    const float absorbance = m_link.DecodeReading(m_data, true);
    Acquisition &acquisition = m_link.m_acquisition;
    {
        std::lock_guard guard(acquisition.lock);
        if (acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan &&
            acquisition.armed.load(std::memory_order_relaxed) && acquisition.scanTarget) {
            ScanTarget &target = *acquisition.scanTarget;
            ScanTarget *second = acquisition.scanSecond;
            const std::uint8_t kind = acquisition.scanDataKind.load(std::memory_order_relaxed);
            if (target.fillCursor().load(std::memory_order_relaxed) < 0) {
                m_link.releaseScanBuffersLocked(true);
                m_link.postAcquisitionLocked(Notification::acquisition(1, 0));
                m_link.closeAcquisitionLocked();
            } else {
                const float sample = finiteOrZero(readFloat(m_data, 6)) / 10000.0f;
                const float reference = finiteOrZero(readFloat(m_data, 10)) / 10000.0f;
                const bool twoBeams = m_link.m_config.beamType.load(std::memory_order_relaxed) > 0;
                if (kind == kScanEnergies) {
                    storeAtCursor(target, sample);
                    if (twoBeams && second)
                        storeAtCursor(*second, reference);
                } else if (kind == kScanSampleEnergy) {
                    storeAtCursor(target, sample);
                } else if (kind == kScanAbsorbance) {
                    storeAtCursor(target, absorbance);
                } else {
                    const float baseline = second ? valueAtCursor(*second) : 0.0f;
                    storeAtCursor(target, m_link.SubtractBlank(absorbance, false, baseline));
                    if (second)
                        second->fillCursor().fetch_sub(1, std::memory_order_release);
                }
                m_link.postAcquisitionLocked(Notification::acquisition(0, 0));
            }
        }
    }
    m_link.postMain(Notification::stationFloat(39, absorbance));
}

void PacketDecoder::acknowledgement() {
    const std::uint8_t code = m_data[0];
    const std::uint8_t value = m_data[1];
    StationStatus &status = m_link.m_status;
    Acquisition &acquisition = m_link.m_acquisition;
    if (code == kLoadReports) {
        status.cpuReportOn.store(value, std::memory_order_relaxed);
    } else if (code == kGotoWavelength) {
        const int mode = acquisition.mode.load(std::memory_order_relaxed);
        if ((mode == kModeGotoAndRead || mode == kModeGotoAndReadout || mode == kModeGotoOnly) &&
            status.currentWavelengthTenths.load(std::memory_order_relaxed) ==
                acquisition.targetWavelengthTenths.load(std::memory_order_relaxed))
            acquisition.armed.store(1, std::memory_order_relaxed);
        m_link.postMain(Notification::station(1, 0));
    } else if (code == kCalibrateBaseline || code == kLocate656) {
        status.longOperationPending.store(0, std::memory_order_relaxed);
        m_link.postMain(Notification::station(1, 0));
    }
    std::lock_guard guard(acquisition.lock);
    if (acquisition.notifyWindow)
        m_link.postAcquisitionLocked(Notification::acquisition(255, code));
}

void PacketDecoder::directory() {
    const FileTransfer::Answer answer = m_link.m_transfer.directoryPacket(std::span(m_data).first(m_length));
    if (answer.complete)
        postToAcquisitionWindow(Notification::station(255, 0));
    if (answer.hasAckData)
        m_link.SendCommand(answer.command, answer.ackData);
    else
        m_link.SendCommand(answer.command);
}

void PacketDecoder::content() {
    const FileTransfer::Answer answer = m_link.m_transfer.contentPacket(std::span(m_data).first(m_length));
    if (answer.complete)
        postToAcquisitionWindow(Notification::station(255, 0));
    m_link.SendCommand(answer.command, answer.ackData);
}

} // namespace spectavo::link
