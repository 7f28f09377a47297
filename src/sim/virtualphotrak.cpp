#include "sim/virtualphotrak.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/link/bytes.h"
#include "core/link/commands.h"
#include "core/link/linkcodes.h"

namespace spectavo::sim {
namespace {

constexpr double kBootStepSeconds = 0.15;
constexpr double kReadingPeriod = 0.1; // continuous readings, about ten a second
constexpr double kLoadPeriod = 1.0;    // processor load reports
constexpr double kScanPointSeconds = 0.004;
constexpr double kDriveNmPerSecond = 600.0;
constexpr double kDriveSettleSeconds = 0.03;
constexpr double kCellTravelSeconds = 0.4;
constexpr double kCalibrationSeconds = 1.5;
constexpr double kWarmupSeconds = 30.0;

std::uint32_t u32From(const StationPacket &packet, std::size_t at) {
    if (packet.length < at + 4)
        return 0;
    return link::readU32(std::span<const std::uint8_t>(packet.data, 64), at);
}

} // namespace

VirtualPhotrak::VirtualPhotrak(SimSettings settings) : m_settings(std::move(settings)), m_optics(m_settings) {
    for (const std::string &name : m_settings.cells)
        m_cells.push_back(namedSample(name));
    m_files = defaultFileStore(m_settings.stepsPerNm, m_settings.beamType == link::kSingleBeam);
}

void VirtualPhotrak::at(double time, Action action) {
    m_events.emplace(std::make_pair(time, m_eventSequence++), std::move(action));
}

double VirtualPhotrak::nextEventTime() const {
    return m_events.empty() ? std::numeric_limits<double>::infinity() : m_events.begin()->first.first;
}

void VirtualPhotrak::advance(double now) {
    while (!m_events.empty() && m_events.begin()->first.first <= now) {
        auto event = m_events.begin();
        m_now = event->first.first;
        Action action = std::move(event->second);
        m_events.erase(event);
        action();
    }
    m_now = std::max(m_now, now);
}

std::vector<StationPacket> VirtualPhotrak::takeOutput() {
    std::vector<StationPacket> output;
    output.swap(m_output);
    return output;
}

std::optional<int> VirtualPhotrak::takeRemoteStartRequest() {
    if (m_remoteStartRequests.empty())
        return std::nullopt;
    const int param = m_remoteStartRequests.front();
    m_remoteStartRequests.pop_front();
    return param;
}

void VirtualPhotrak::transmit(std::uint8_t type, const std::uint8_t *data, std::size_t length) {
    StationPacket packet{};
    packet.code = type;
    packet.length = static_cast<unsigned char>(std::min<std::size_t>(length, 64));
    if (packet.length > 0)
        std::memcpy(packet.data, data, packet.length);
    m_output.push_back(packet);
}

void VirtualPhotrak::transmit(std::uint8_t type, std::initializer_list<std::uint8_t> data) {
    transmit(type, data.begin(), data.size());
}

void VirtualPhotrak::transmitText(std::uint8_t type, const std::string &text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    transmit(type, bytes.data(), bytes.size());
}

void VirtualPhotrak::powerOn(double now) {
    m_now = now;
    m_lamps.switchPointNm = m_switchTenths / 10.0;
    m_d2OnSince = now - kWarmupSeconds;
    if (m_settings.bootSequence)
        at(now + kBootStepSeconds, [this] { bootState(1); });
    else
        bootState(16);
}

void VirtualPhotrak::bootState(int state) {
    if (state > 15) {
        m_booted = true;
        at(m_now + kReadingPeriod, [this] { continuousReading(); });
        at(m_now + kLoadPeriod, [this] { loadReport(); });
        // A link request that came during the boot is answered now.
        if (m_linkRequested) {
            m_linked = true;
            transmit(link::kPacketLinkState, {link::kLinkUp});
        }
        return;
    }
    const bool asks = (state == link::kBootAskRecalibrate && m_settings.askRecalibrate) ||
                      (state == link::kBootAskInitFileSystem && m_settings.fileSystemError);
    // States 7 and 14 are the instrument's questions: an instrument that has none to ask passes them
    // without a word, so the program never asks the operator a question nobody waits for.
    if ((state == link::kBootAskRecalibrate && !m_settings.askRecalibrate) ||
        (state == link::kBootAskInitFileSystem && !m_settings.fileSystemError)) {
        bootState(state + 1);
        return;
    }
    transmit(link::kPacketBootState, {static_cast<std::uint8_t>(state)});
    if (asks) {
        m_waitingForAnswer = true;
        m_bootStateAfterAnswer = state + 1;
        return;
    }
    at(m_now + kBootStepSeconds, [this, state] { bootState(state + 1); });
}

void VirtualPhotrak::receive(const StationPacket &command, double now) {
    advance(now);
    const std::uint8_t code = command.code;
    ++m_received[code];
    if (code != link::kQueryStatus) {
        m_commandLog.push_back(command);
        if (m_commandLog.size() > kCommandLogSize)
            m_commandLog.pop_front();
    }
    if (m_waitingForAnswer && (code == link::kConfirmYes || code == link::kConfirmNo)) {
        m_waitingForAnswer = false;
        const int next = m_bootStateAfterAnswer;
        at(m_now + (code == link::kConfirmYes ? 1.0 : kBootStepSeconds), [this, next] { bootState(next); });
        return;
    }
    if (!m_booted) {
        m_linkRequested = m_linkRequested || code == link::kLinkRequest;
        return;
    }
    // Each family answers whether the command was one of its own; 22 and unknown codes get no answer.
    static_cast<void>(linkCommand(command) || settingCommand(command) || measurementCommand(command) ||
                      fileCommand(command));
}

bool VirtualPhotrak::linkCommand(const StationPacket &command) {
    switch (command.code) {
    case link::kLinkRequest:
        m_linked = true;
        transmit(link::kPacketLinkState, {link::kLinkUp});
        return true;
    case link::kUnlink:
        m_linked = false;
        transmit(link::kPacketLinkLost, {});
        return true;
    case link::kQueryModel:
    case link::kQueryHardware:
    case link::kQuerySerial:
    case link::kQueryVersion:
        handshakeAnswer(command.code);
        return true;
    case link::kQueryStatus:
        statusReport();
        return true;
    case link::kEscape:
        escape();
        return true;
    default:
        return false;
    }
}

// Lamps, switch point, cell, wavelength, amplifier and slit.
bool VirtualPhotrak::settingCommand(const StationPacket &command) {
    switch (command.code) {
    case link::kLampSwitch:
        if (command.length >= 2 && command.data[0] <= link::kLampW && command.data[1] <= 1) {
            (command.data[0] == link::kLampD2 ? m_lamps.d2On : m_lamps.wOn) = command.data[1] != 0;
            if (command.data[0] == link::kLampD2 && command.data[1] != 0)
                m_d2OnSince = m_now;
            transmit(link::kPacketLampState, {command.data[0], command.data[1]});
        }
        return true;
    case link::kSetSwitchPoint: {
        m_switchTenths = u32From(command, 0);
        m_lamps.switchPointNm = m_switchTenths / 10.0;
        std::uint8_t bytes[4];
        link::writeU32(bytes, 0, m_switchTenths);
        transmit(link::kPacketSwitchPoint, bytes, 4);
        return true;
    }
    case link::kSelectCell:
        if (command.length >= 1)
            selectCell(command.data[0]);
        return true;
    case link::kGotoWavelength:
        moveTo(u32From(command, 0), true);
        return true;
    case link::kSetAmplifier:
        if (command.length >= 1 && command.data[0] != 0xFF)
            m_amplifier = command.data[0];
        transmit(link::kPacketAmplifier, {m_amplifier});
        return true;
    case link::kSetSlit:
        if (command.length >= 1 && command.data[0] >= link::kSlit05nm && command.data[0] <= link::kSlit4nm)
            m_slit = command.data[0];
        transmit(link::kPacketSlit, {m_slit});
        return true;
    default:
        return false;
    }
}

// Dark current, calibrations and scans.
bool VirtualPhotrak::measurementCommand(const StationPacket &command) {
    const std::uint8_t code = command.code;
    switch (code) {
    case link::kReadDarkCurrent:
    case link::kCalibrateDarkCurrent:
        darkCurrent(code);
        return true;
    case link::kCalibrateBaseline:
    case link::kLocate656:
        at(m_now + kCalibrationSeconds, [this, code] { transmit(link::kPacketAcknowledgement, {code, 0}); });
        return true;
    case link::kScanSetup:
        if (command.length >= 11) {
            m_scanSetup.highTenths = u32From(command, 0);
            m_scanSetup.lowTenths = u32From(command, 4);
            m_scanSetup.stepTenths = static_cast<std::uint16_t>((command.data[8] << 8) | command.data[9]);
            m_scanSetup.filter = command.data[10];
        }
        return true;
    case link::kStartScanAbsorbance:
    case link::kStartScanEnergies:
    case link::kStartScanSampleEnergy:
        startScan(code);
        return true;
    default:
        return false;
    }
}

// The file store and its transfers.
bool VirtualPhotrak::fileCommand(const StationPacket &command) {
    switch (command.code) {
    case link::kFileDirectory:
        sendDirectory();
        return true;
    case link::kFileOpen:
        if (command.length >= 2)
            sendFile({command.data[0], command.data[1]});
        return true;
    case link::kFileDelete:
        if (command.length >= 2)
            deleteFile({command.data[0], command.data[1]});
        return true;
    case link::kTransferAck:
        if (command.length >= 1)
            acknowledged(command.data[0]);
        return true;
    case link::kTransferNak:
        m_transferQueue.clear();
        m_awaitingAck = false;
        return true;
    default:
        return false;
    }
}

void VirtualPhotrak::handshakeAnswer(std::uint8_t query) {
    switch (query) {
    case link::kQueryModel:
        transmitText(link::kPacketModelName, m_settings.modelName);
        break;
    case link::kQueryHardware: {
        std::uint8_t word[4] = {0, 0x01, static_cast<std::uint8_t>(m_settings.beamType + 1), 0x20};
        transmit(link::kPacketHardware, word, 4);
        std::uint8_t record[13] = {static_cast<std::uint8_t>(m_settings.beamType),
                                   static_cast<std::uint8_t>(m_settings.channels)};
        link::writeU16(record, 2, static_cast<std::uint16_t>(std::lround(m_settings.wlMaxNm * 10)));
        link::writeU16(record, 4, static_cast<std::uint16_t>(std::lround(m_settings.wlMinNm * 10)));
        record[6] = static_cast<std::uint8_t>(m_settings.stepsPerNm);
        transmit(link::kPacketConfigRecord, record, sizeof record);
        break;
    }
    case link::kQuerySerial:
        transmitText(link::kPacketSerial, m_settings.serial);
        break;
    default:
        transmitText(link::kPacketVersionAlt, m_settings.version);
        break;
    }
}

void VirtualPhotrak::statusReport() {
    transmit(link::kPacketStatusItem, {link::kItemCellCount, static_cast<std::uint8_t>(m_cells.size())});
    transmit(link::kPacketStatusItem, {link::kItemCurrentCell, static_cast<std::uint8_t>(m_cell)});
    for (std::uint8_t item = link::kItemFilter; item <= link::kItemWavelengthCal; ++item)
        transmit(link::kPacketStatusItem, {item, 1});
    transmit(link::kPacketStatusItem,
             {link::kItemSipper, static_cast<std::uint8_t>(m_settings.sipperInstalled ? 1 : 0)});
    transmit(link::kPacketStatusItem, {link::kItemPower, 1});
    transmit(link::kPacketLampState, {0, static_cast<std::uint8_t>(m_lamps.d2On)});
    transmit(link::kPacketLampState, {1, static_cast<std::uint8_t>(m_lamps.wOn)});
    transmit(link::kPacketSlit, {m_slit});
    transmit(link::kPacketAmplifier, {m_amplifier});
    std::uint8_t position[2];
    link::writeU16(position, 0, static_cast<std::uint16_t>(m_positionTenths));
    transmit(link::kPacketWavelength, position, 2);
}

void VirtualPhotrak::moveTo(std::uint32_t tenths, bool acknowledge) {
    const auto lowest = static_cast<std::uint32_t>(std::lround(m_settings.wlMinNm * 10));
    const auto highest = static_cast<std::uint32_t>(std::lround(m_settings.wlMaxNm * 10));
    const std::uint32_t target = std::clamp(tenths, lowest, highest);
    const double travel =
        std::fabs(static_cast<double>(target) - m_positionTenths) / 10.0 / kDriveNmPerSecond;
    at(m_now + travel + kDriveSettleSeconds, [this, target, acknowledge] {
        m_positionTenths = target;
        std::uint8_t position[2];
        link::writeU16(position, 0, static_cast<std::uint16_t>(target));
        // The position report comes first: the acknowledgement arms a reading only at the target.
        transmit(link::kPacketWavelengthReached, position, 2);
        if (acknowledge)
            transmit(link::kPacketAcknowledgement, {link::kGotoWavelength, 0});
        // A blank reading at the new position.
        const auto record = readingAt(target, m_readingSequence++, 1);
        transmit(link::kPacketBlankReading, record.data(), record.size());
    });
}

void VirtualPhotrak::selectCell(int cell) {
    if (cell < 0 || cell >= static_cast<int>(m_cells.size()))
        return;
    const double travel = kCellTravelSeconds * std::max(1, std::abs(cell - m_cell));
    at(m_now + travel, [this, cell] {
        m_cell = cell;
        m_cellFirstIn.try_emplace(cell, m_now);
        transmit(link::kPacketCell, {static_cast<std::uint8_t>(cell)});
    });
}

double VirtualPhotrak::slitNm() const {
    switch (m_slit) {
    case 1:
        return 0.5;
    case 2:
        return 1.0;
    case 4:
        return 4.0;
    default:
        return 2.0;
    }
}

double VirtualPhotrak::absorbanceAt(double nm) const {
    if (m_cells.empty())
        return 0.0;
    const auto firstIn = m_cellFirstIn.find(m_cell);
    const double seconds = firstIn == m_cellFirstIn.end() ? 0.0 : m_now - firstIn->second;
    return m_cells[static_cast<std::size_t>(m_cell)].absorbance(nm + m_settings.wavelengthOffsetNm, slitNm(),
                                                                seconds);
}

std::array<std::uint8_t, 14> VirtualPhotrak::readingAt(std::uint32_t tenths, std::uint64_t sequence,
                                                       std::uint32_t stream) {
    Optics::Lamps lamps = m_lamps;
    lamps.d2Warmth = (m_now - m_d2OnSince) / kWarmupSeconds;
    const double nm = tenths / 10.0;
    return m_optics.reading(nm, absorbanceAt(nm), lamps, slitNm(), sequence, stream);
}

void VirtualPhotrak::continuousReading() {
    at(m_now + kReadingPeriod, [this] { continuousReading(); });
    if (m_scanning || !m_transferQueue.empty() || m_awaitingAck)
        return;
    const auto record = readingAt(m_positionTenths, m_readingSequence++, 0);
    transmit(link::kPacketReading, record.data(), record.size());
}

void VirtualPhotrak::loadReport() {
    at(m_now + kLoadPeriod, [this] { loadReport(); });
    const auto counter = static_cast<std::uint32_t>(m_now * 1000.0);
    std::uint8_t data[5];
    link::writeU32(data, 0, counter);
    data[4] = static_cast<std::uint8_t>(m_scanning ? 64 : 12);
    transmit(link::kPacketLoadReport, data, 5);
}

void VirtualPhotrak::startScan(std::uint8_t command) {
    if (m_scanning || m_scanSetup.stepTenths == 0 || m_scanSetup.highTenths < m_scanSetup.lowTenths)
        return;
    m_scanning = true;
    const std::uint64_t generation = ++m_scanGeneration;
    m_scanSequence = 0;
    const std::size_t count = (m_scanSetup.highTenths - m_scanSetup.lowTenths) / m_scanSetup.stepTenths + 1;
    // Energy scans (50, 51) report raw signals; the same reading record carries them.
    (void)command;
    transmit(link::kPacketScanStarted, {});
    m_positionTenths = m_scanSetup.highTenths;
    for (std::size_t i = 0; i < count; ++i)
        at(m_now + kScanPointSeconds * static_cast<double>(i + 1), [this, i, generation] {
            if (generation == m_scanGeneration && m_scanning)
                scanPoint(i);
        });
    at(m_now + kScanPointSeconds * static_cast<double>(count + 1), [this, generation] {
        if (generation == m_scanGeneration && m_scanning) {
            m_scanning = false;
            transmit(link::kPacketScanEnded, {});
        }
    });
}

void VirtualPhotrak::scanPoint(std::size_t index) {
    const auto tenths = static_cast<std::uint32_t>(m_scanSetup.highTenths - index * m_scanSetup.stepTenths);
    m_positionTenths = tenths;
    const auto record = readingAt(tenths, m_scanSequence++, 2);
    transmit(link::kPacketScanPoint, record.data(), record.size());
}

void VirtualPhotrak::escape() {
    if (m_scanning) {
        m_scanning = false;
        ++m_scanGeneration;
        transmit(link::kPacketScanEnded, {});
    }
}

void VirtualPhotrak::darkCurrent(std::uint8_t command) {
    const double delay = command == link::kCalibrateDarkCurrent ? kCalibrationSeconds : 0.2;
    transmit(link::kPacketOperationState, {link::kOperationRunning});
    at(m_now + delay, [this] {
        const int levels = m_settings.darkLevels;
        transmit(link::kPacketDarkCount, {static_cast<std::uint8_t>(levels)});
        for (int level = 0; level < levels; ++level) {
            std::uint8_t data[5] = {static_cast<std::uint8_t>(level)};
            link::writeU16(data, 1, static_cast<std::uint16_t>(12 + 9 * level));
            link::writeU16(data, 3, static_cast<std::uint16_t>(11 + 8 * level));
            transmit(link::kPacketDarkLevel, data, 5);
        }
        transmit(link::kPacketOperationState, {link::kOperationFinished});
    });
}

} // namespace spectavo::sim
