// The receive thread's decode of every packet type into the station records, the open acquisition
// and the notifications.

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

#include "core/link/bytes.h"
#include "core/link/linkcodes.h"
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

// Stores a scan point at its grid index. A point below the fill cursor is new: it is counted and the
// cursor moves below it (release), publishing it. A point at or above the cursor arrived before and
// replaces its own value.
void storeAt(ScanTarget &target, int index, float value) {
    const std::span<float> points = target.scanPoints();
    if (index < 0 || static_cast<std::size_t>(index) >= points.size())
        return;
    points[static_cast<std::size_t>(index)] = value;
    std::atomic<int> &cursor = target.fillCursor();
    if (index <= cursor.load(std::memory_order_relaxed)) {
        target.arrivedCount().fetch_add(1, std::memory_order_relaxed);
        cursor.store(index - 1, std::memory_order_release);
    }
}

float valueAt(ScanTarget &target, int index) {
    const std::span<float> points = target.scanPoints();
    return (index >= 0 && static_cast<std::size_t>(index) < points.size())
               ? points[static_cast<std::size_t>(index)]
               : 0.0f;
}

} // namespace

// Decoding steps, one function per packet family, over the station records they change.
class PacketDecoder {
public:
    PacketDecoder(StationLink &link, const StationPacket &packet)
        : m_link(link), m_status(link.status()), m_config(link.config()), m_acquisition(link.acquisition()),
          m_transfer(link.fileTransfer()), m_packet(packet), m_data(payloadOf(packet)),
          m_length(std::min<std::size_t>(packet.length, 64)) {}

    void decode();

private:
    bool linkFamily();
    bool identityFamily();
    bool mechanicsFamily();
    bool measurementFamily();
    bool fileFamily();
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
    void storeScanPoint(Acquisition::Held &held, ScanTarget &target, float absorbance);
    void acknowledgement();
    void directory();
    void content();
    void postToAcquisitionWindow(const Notification &notification);

    StationLink &m_link;
    StationStatus &m_status;
    StationConfig &m_config;
    Acquisition &m_acquisition;
    FileTransfer &m_transfer;
    const StationPacket &m_packet;
    const std::array<std::uint8_t, 64> m_data;
    const std::size_t m_length;
};

void StationLink::decodePacket(const StationPacket &packet) {
    PacketDecoder(*this, packet).decode();
}

// Each family answers whether the packet was one of its own; a packet of no family is ignored.
void PacketDecoder::decode() {
    static_cast<void>(linkFamily() || identityFamily() || mechanicsFamily() || measurementFamily() ||
                      fileFamily());
}

bool PacketDecoder::linkFamily() {
    StationStatus &status = m_status;
    const auto relaxed = std::memory_order_relaxed;
    switch (m_packet.code) {
    case kPacketLinkState:
        linkState();
        return true;
    case kPacketLinkLost:
        status.linkOnline.store(0, relaxed);
        m_link.postMain(Notification::station(kStationState, kStateOffline));
        return true;
    case kPacketLinkClosed:
        m_link.postMain(Notification::station(kStationState, kStateReady));
        status.linkOnline.store(0, relaxed);
        m_link.postMain(Notification::station(kStationState, kStateOffline));
        return true;
    case kPacketLoadReport:
        status.cpuReportOn.store(1, relaxed);
        status.cpuCounter.store(readU32(m_data, 0), relaxed);
        status.cpuLoad.store(m_data[4], relaxed);
        m_link.postMain(Notification::station(kStationLoad, m_data[4]));
        return true;
    case kPacketBootState:
        m_link.postMain(Notification::station(kStationBoot, m_data[0]));
        return true;
    default:
        return false;
    }
}

// Who the instrument is and what it reports of its assemblies.
bool PacketDecoder::identityFamily() {
    StationStatus &status = m_status;
    switch (m_packet.code) {
    case kPacketModelName:
        status.modelName.set(textField(m_data, 10));
        return true;
    case kPacketHardware:
        hardware();
        return true;
    case kPacketSerial:
        status.serialText.set(textField(m_data, 11));
        return true;
    case kPacketVersion:
    case kPacketVersionAlt:
        status.versionText.set(textField(m_data, 19));
        return true;
    case kPacketStatusItem:
        statusItem();
        return true;
    case kPacketConfigRecord:
        configRecord();
        return true;
    default:
        return false;
    }
}

// Lamps, switch point, cell, wavelength, amplifier and slit as the instrument set them.
bool PacketDecoder::mechanicsFamily() {
    StationStatus &status = m_status;
    const auto relaxed = std::memory_order_relaxed;
    switch (m_packet.code) {
    case kPacketLampState:
        if (m_data[1] <= 1) {
            if (m_data[0] == kLampD2)
                status.d2LampOn.store(m_data[1], relaxed);
            else if (m_data[0] == kLampW)
                status.wLampOn.store(m_data[1], relaxed);
        }
        return true;
    case kPacketSwitchPoint:
    case kPacketSwitchPointSet:
        status.switchPointNm.store(static_cast<float>(readU32(m_data, 0) / 10.0), relaxed);
        return true;
    case kPacketCell: {
        status.currentCell.store(m_data[0], relaxed);
        Acquisition::Held held = m_acquisition.hold();
        if (held.isOpen() && status.requestedCell.load(relaxed) == m_data[0])
            held.post(Notification::acquisition(kAcqCellReached, 0));
        return true;
    }
    case kPacketWavelength:
    case kPacketWavelengthReached:
        status.currentWavelengthTenths.store(readU16(m_data, 0), relaxed);
        m_link.postMain(Notification::station(kStationWavelength, readU16(m_data, 0)));
        return true;
    case kPacketAmplifier:
        status.amplifierSetting.store(m_data[0], relaxed);
        return true;
    case kPacketSlit:
        status.slitSetting.store(m_data[0], relaxed);
        return true;
    default:
        return false;
    }
}

// Readings, blanks, dark current and scans.
bool PacketDecoder::measurementFamily() {
    switch (m_packet.code) {
    case kPacketBlankReading:
        blankReading();
        return true;
    case kPacketOperationState:
        operationState();
        return true;
    case kPacketReading:
        reading();
        return true;
    case kPacketDarkLevel:
        darkLevel();
        return true;
    case kPacketDarkCount:
        darkCount();
        return true;
    case kPacketScanStarted:
        scanStarted();
        return true;
    case kPacketScanEnded:
        scanEnded();
        return true;
    case kPacketScanPoint:
        scanPoint();
        return true;
    default:
        return false;
    }
}

// The instrument's file store.
bool PacketDecoder::fileFamily() {
    switch (m_packet.code) {
    case kPacketDirectory:
        directory();
        return true;
    case kPacketContent:
        content();
        return true;
    case kPacketAcknowledgement:
        acknowledgement();
        return true;
    default:
        return false;
    }
}

void PacketDecoder::linkState() {
    if (m_data[0] == kLinkUp)
        m_link.runHandshake();
    else if (m_data[0] == kLinkDown) {
        m_status.linkOnline.store(0, std::memory_order_relaxed);
        m_link.postMain(Notification::station(kStationState, kStateOffline));
    } else if (m_data[0] == kLinkAsked) {
        m_link.channel().SendCommand(kLinkRequest);
    }
}

void StationLink::runHandshake() {
    constexpr std::uint8_t kQueries[] = {kQueryModel, kQueryVersion, kQueryHardware, kQuerySerial,
                                         kQueryStatus};
    for (std::uint8_t query : kQueries) {
        if (!m_channel.SendUntilAccepted(query))
            return;
        std::this_thread::sleep_for(m_timing.handshakePause);
    }
    m_status.stationReady.store(1, std::memory_order_relaxed);
    m_status.linkOnline.store(1, std::memory_order_relaxed);
    postMain(Notification::station(kStationState, kStateReady));

    std::optional<ScanSetupMessage> setup;
    {
        std::lock_guard guard(m_providerMutex);
        if (m_scanSetupProvider)
            setup = m_scanSetupProvider();
    }
    if (setup && !m_acquisition.open.load(std::memory_order_acquire))
        m_channel.SendCommand(kScanSetup, *setup);
}

void PacketDecoder::hardware() {
    const std::uint32_t word = readU32(m_data, 0);
    m_status.hardwareWord.store(word, std::memory_order_relaxed);
    const unsigned layout = (word >> 8) & 0x0F;
    const std::uint8_t beamType = (layout >= 1 && layout <= 3) ? static_cast<std::uint8_t>(layout - 1) : 2;
    const std::uint8_t channels = layout <= 2 ? static_cast<std::uint8_t>(layout) : 2;
    m_config.beamType.store(beamType, std::memory_order_relaxed);
    m_config.channels.store(channels, std::memory_order_relaxed);
}

void PacketDecoder::configRecord() {
    StationConfig &config = m_config;
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
    StationStatus &status = m_status;
    const auto relaxed = std::memory_order_relaxed;
    const std::uint8_t item = m_data[0];
    const std::uint8_t value = m_data[1];
    switch (item) {
    case kItemCellCount:
        if (status.cellCount.load(relaxed) != value || status.sipperPresent.load(relaxed) == 1)
            status.accessoryChanged.store(1, relaxed);
        status.sipperPresent.store(0, relaxed);
        status.cellCount.store(value, relaxed);
        break;
    case kItemCurrentCell:
        status.currentCell.store(value, relaxed);
        status.multicellStatus.store(1, relaxed);
        break;
    case kItemFilter:
        status.filterStatus.store(value, relaxed);
        break;
    case kPacketLoadReport:
        status.wavelengthDriveStatus.store(value, relaxed);
        break;
    case kItemAdc:
        status.adcStatus.store(value, relaxed);
        break;
    case kItemD2Energy:
        status.d2EnergyStatus.store(value, relaxed);
        break;
    case kItemWEnergy:
        status.wEnergyStatus.store(value, relaxed);
        break;
    case kPacketModelName:
        status.wavelengthCalStatus.store(value, relaxed);
        break;
    case kPacketHardware:
        status.sipperStatus.store(value, relaxed);
        if (value != 0 && status.sipperPresent.load(relaxed) == 0) {
            status.accessoryChanged.store(1, relaxed);
            status.sipperPresent.store(1, relaxed);
        }
        break;
    case kPacketSerial:
        status.powerStatus.store(value, relaxed);
        break;
    case kItemD2EnergyLow:
        status.d2EnergyStatus.store(0, relaxed);
        break;
    default:
        break;
    }
    m_link.postMain(Notification::station(kStationItem, item));
}

void PacketDecoder::postToAcquisitionWindow(const Notification &notification) {
    m_acquisition.hold().post(notification);
}

void PacketDecoder::blankReading() {
    const float absorbance = m_link.DecodeReading(m_data, false);
    Acquisition &acquisition = m_acquisition;
    {
        Acquisition::Held held = acquisition.hold();
        if (acquisition.mode.load(std::memory_order_relaxed) == kModeGotoAndReadout) {
            acquisition.armed.store(1, std::memory_order_relaxed);
            if (held.targets().blankTarget)
                held.targets().blankTarget->store(absorbance, std::memory_order_relaxed);
            held.post(Notification::acquisition(kAcqBlankTaken, 0));
        }
    }
    m_link.postMain(Notification::stationFloat(kStationAbsorbance, absorbance));
}

void PacketDecoder::operationState() {
    if (m_data[0] == kOperationFinished) {
        postToAcquisitionWindow(Notification::station(kStationOperation, kOperationFinished));
        m_status.longOperationPending.store(0, std::memory_order_relaxed);
        {
            Acquisition::Held held = m_acquisition.hold();
            m_link.operations().closeFromInstrument(held);
        }
        m_link.postMain(Notification::station(kStationState, kStateReady));
    } else if (m_data[0] == kOperationRunning) {
        postToAcquisitionWindow(Notification::station(kStationOperation, kOperationRunning));
    }
}

void PacketDecoder::reading() {
    float absorbance = m_link.DecodeReading(m_data, false);
    Acquisition &acquisition = m_acquisition;
    const int tenths = readU16(m_data, 0);
    bool blankTaken = false;
    {
        Acquisition::Held held = acquisition.hold();
        int mode = acquisition.mode.load(std::memory_order_relaxed);
        // A readout takes only readings of its own wavelength: one taken elsewhere (the drive still
        // moving, an answer of another request) is no reading of the sample at that wavelength.
        const bool atTarget = tenths == acquisition.targetWavelengthTenths.load(std::memory_order_relaxed);
        const bool readout = mode == kModeGotoAndRead || mode == kModeGotoAndReadout;
        const bool armed = acquisition.armed.load(std::memory_order_relaxed) != 0 && (!readout || atTarget);
        if (armed && mode == kModeGotoAndRead) {
            acquisition.armed.store(0, std::memory_order_relaxed);
            mode = kModeGotoAndReadout;
        }
        // Each branch publishes the reading before any notification announces it.
        if (armed && mode == kModeGotoAndReadout) {
            const float blank = held.targets().blankTarget
                                    ? held.targets().blankTarget->load(std::memory_order_relaxed)
                                    : 0.0f;
            absorbance = m_link.SubtractBlank(absorbance, false, blank);
            if (held.targets().resultTarget)
                held.targets().resultTarget->store(absorbance, std::memory_order_relaxed);
            held.publishReading(absorbance, tenths);
            held.post(Notification::acquisition(kAcqNewData, 0));
        } else if (armed && mode == kModeCellReading) {
            acquisition.armed.store(0, std::memory_order_relaxed);
            absorbance = m_link.SubtractBlank(absorbance, true, 0.0f);
            held.publishReading(absorbance, tenths);
            held.post(Notification::acquisitionFloat(kAcqCellReading, absorbance));
        } else if (armed && mode == kModeTakeBlank) {
            acquisition.blankAbsorbance.store(absorbance, std::memory_order_relaxed);
            absorbance = 0.0f;
            held.publishReading(absorbance, tenths);
            held.close();
            blankTaken = true;
        } else {
            absorbance = m_link.SubtractBlank(absorbance, true, 0.0f);
            held.publishReading(absorbance, tenths);
        }
    }
    if (blankTaken)
        m_link.postMain(Notification::station(kStationBlankTaken, 0));
    m_link.postMain(Notification::stationFloat(kStationAbsorbance, absorbance));
}

void PacketDecoder::darkLevel() {
    const std::uint8_t level = m_data[0];
    if (level >= m_status.darkSample.size())
        return;
    m_status.darkSample[level].store(readU16(m_data, 1), std::memory_order_relaxed);
    m_status.darkReference[level].store(readU16(m_data, 3), std::memory_order_relaxed);
    postToAcquisitionWindow(Notification::station(kStationDarkLevel, level));
}

void PacketDecoder::darkCount() {
    m_status.darkLevelCount.store(m_data[0], std::memory_order_relaxed);
    postToAcquisitionWindow(Notification::station(kStationDarkCount, m_data[0]));
}

void PacketDecoder::scanStarted() {
    m_link.postMain(Notification::station(kStationState, kStateBusy));
    if (m_acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan)
        m_acquisition.armed.store(1, std::memory_order_relaxed);
}

void PacketDecoder::scanEnded() {
    m_link.postMain(Notification::station(kStationState, kStateReady));
    Acquisition &acquisition = m_acquisition;
    Acquisition::Held held = acquisition.hold();
    if (acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan) {
        // The buffers are released before the window hears that the scan is over.
        held.releaseScanBuffers(false, m_link.twoBeams());
        held.post(Notification::acquisition(kAcqFinished, 0));
    }
    m_link.operations().closeFromInstrument(held);
}

void PacketDecoder::scanPoint() {
    const float absorbance = m_link.DecodeReading(m_data, true);
    Acquisition &acquisition = m_acquisition;
    {
        Acquisition::Held held = acquisition.hold();
        if (acquisition.mode.load(std::memory_order_relaxed) == kModeWaveScan &&
            acquisition.armed.load(std::memory_order_relaxed) && held.targets().scanTarget) {
            ScanTarget &target = *held.targets().scanTarget;
            if (target.fillCursor().load(std::memory_order_relaxed) < 0) {
                held.releaseScanBuffers(true, m_link.twoBeams());
                held.post(Notification::acquisition(kAcqFinished, 0));
                held.close();
            } else {
                storeScanPoint(held, target, absorbance);
            }
        }
    }
    m_link.postMain(Notification::stationFloat(kStationAbsorbance, absorbance));
}

// The point belongs where its wavelength says, not where the arrival order would put it: a point lost
// on the line leaves its own place empty instead of shifting every later one.
void PacketDecoder::storeScanPoint(Acquisition::Held &held, ScanTarget &target, float absorbance) {
    const int index = target.gridIndex(readU16(m_data, 0));
    if (index < 0) {
        m_acquisition.offGridPoints.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    ScanTarget *second = held.targets().scanSecond;
    const std::uint8_t kind = m_acquisition.scanDataKind.load(std::memory_order_relaxed);
    const float sample = finiteOrZero(readFloat(m_data, 6)) / 10000.0f;
    const float reference = finiteOrZero(readFloat(m_data, 10)) / 10000.0f;
    if (kind == kScanEnergies) {
        storeAt(target, index, sample);
        if (m_link.twoBeams() && second)
            storeAt(*second, index, reference);
    } else if (kind == kScanSampleEnergy) {
        storeAt(target, index, sample);
    } else if (kind == kScanAbsorbance) {
        storeAt(target, index, absorbance);
    } else {
        const float baseline = second ? valueAt(*second, index) : 0.0f;
        storeAt(target, index, m_link.SubtractBlank(absorbance, false, baseline));
    }
    held.post(Notification::acquisition(kAcqNewData, 0));
}

void PacketDecoder::acknowledgement() {
    const std::uint8_t code = m_data[0];
    const std::uint8_t value = m_data[1];
    StationStatus &status = m_status;
    Acquisition &acquisition = m_acquisition;
    if (code == kLoadReports) {
        status.cpuReportOn.store(value, std::memory_order_relaxed);
    } else if (code == kGotoWavelength) {
        const int mode = acquisition.mode.load(std::memory_order_relaxed);
        if ((mode == kModeGotoAndRead || mode == kModeGotoAndReadout || mode == kModeGotoOnly) &&
            status.currentWavelengthTenths.load(std::memory_order_relaxed) ==
                acquisition.targetWavelengthTenths.load(std::memory_order_relaxed))
            acquisition.armed.store(1, std::memory_order_relaxed);
        m_link.postMain(Notification::station(kStationState, kStateReady));
    } else if (code == kCalibrateBaseline || code == kLocate656) {
        status.longOperationPending.store(0, std::memory_order_relaxed);
        m_link.postMain(Notification::station(kStationState, kStateReady));
    }
    Acquisition::Held held = acquisition.hold();
    if (held.isOpen())
        held.post(Notification::acquisition(kAcqAcknowledged, code));
}

void PacketDecoder::directory() {
    const FileTransfer::Answer answer = m_transfer.directoryPacket(std::span(m_data).first(m_length));
    if (answer.complete)
        postToAcquisitionWindow(Notification::station(kStationTransferDone, 0));
    if (answer.hasAckData)
        m_link.channel().SendCommand(answer.command, answer.ackData);
    else
        m_link.channel().SendCommand(answer.command);
}

void PacketDecoder::content() {
    const FileTransfer::Answer answer = m_transfer.contentPacket(std::span(m_data).first(m_length));
    if (answer.complete)
        postToAcquisitionWindow(Notification::station(kStationTransferDone, 0));
    m_link.channel().SendCommand(answer.command, answer.ackData);
}

} // namespace spectavo::link
