#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "core/link/hubdriver.h"
#include "sim/filestore.h"
#include "sim/optics.h"
#include "sim/samples.h"
#include "sim/simsettings.h"

namespace spectavo::sim {

// The virtual Photrak: a deterministic state machine. Commands go in with the time they arrive, time
// is passed in explicitly, and the packets the instrument sends come out in order. Nothing in here
// reads a clock or sleeps, so tests run it on a virtual clock and drivers pace it in real time.
class VirtualPhotrak {
public:
    explicit VirtualPhotrak(SimSettings settings);

    // Starts the boot sequence at the given time.
    void powerOn(double now);
    // A command packet from the program.
    void receive(const StationPacket &command, double now);
    // Runs everything due up to `now`.
    void advance(double now);
    // The packets sent since the last call, in order.
    std::vector<StationPacket> takeOutput();
    // The time of the next scheduled event (infinity when nothing is scheduled).
    double nextEventTime() const;

    // The operator presses the remote-start key: 1 starts a measurement, other values take a blank.
    void pressRemoteStart(int param) { m_remoteStartRequests.push_back(param); }
    std::optional<int> takeRemoteStartRequest();
    // How many commands with this code the instrument has received since power-on.
    int commandsReceived(std::uint8_t code) const { return m_received[code]; }
    // The last commands received (at most kCommandLogSize), oldest first, status queries left out.
    static constexpr std::size_t kCommandLogSize = 256;
    const std::deque<StationPacket> &commandLog() const { return m_commandLog; }

    const SimSettings &settings() const { return m_settings; }
    double wavelengthNm() const { return m_positionTenths / 10.0; }
    int currentCell() const { return m_cell; }
    bool linked() const { return m_linked; }
    const std::vector<StoredFile> &files() const { return m_files; }

private:
    // The command families of receive(); each returns whether the command was one of its own.
    bool linkCommand(const StationPacket &command);
    bool settingCommand(const StationPacket &command);
    bool measurementCommand(const StationPacket &command);
    bool fileCommand(const StationPacket &command);
    using Action = std::function<void()>;
    void at(double time, Action action);
    void transmit(std::uint8_t type, std::initializer_list<std::uint8_t> data);
    void transmit(std::uint8_t type, const std::uint8_t *data, std::size_t length);
    void transmitText(std::uint8_t type, const std::string &text);

    void bootState(int state);
    void handshakeAnswer(std::uint8_t query);
    void statusReport();
    void moveTo(std::uint32_t tenths, bool acknowledge);
    void selectCell(int cell);
    void startScan(std::uint8_t command);
    void scanPoint(std::size_t index);
    void darkCurrent(std::uint8_t command);
    void continuousReading();
    void loadReport();
    void sendDirectory();
    void sendFile(std::array<std::uint8_t, 2> handle);
    void deleteFile(std::array<std::uint8_t, 2> handle);
    void acknowledged(std::uint8_t packetType);
    void escape();

    std::array<std::uint8_t, 14> readingAt(std::uint32_t tenths, std::uint64_t sequence,
                                           std::uint32_t stream);
    double absorbanceAt(double nm) const;
    double slitNm() const;

    SimSettings m_settings;
    Optics m_optics;
    std::vector<Sample> m_cells;
    std::vector<StoredFile> m_files;

    double m_now = 0.0;
    std::uint64_t m_eventSequence = 0;
    std::multimap<std::pair<double, std::uint64_t>, Action> m_events;
    std::vector<StationPacket> m_output;
    std::deque<int> m_remoteStartRequests;
    std::array<int, 256> m_received{};
    std::deque<StationPacket> m_commandLog;

    bool m_booted = false;
    bool m_linked = false;
    bool m_linkRequested = false;
    bool m_waitingForAnswer = false;
    int m_bootStateAfterAnswer = 0;
    std::uint32_t m_positionTenths = 5460;
    int m_cell = 0;
    // When each cell first came into the light path: its reaction runs from then on, wherever the
    // changer takes it afterwards (a multicell time scan visits it again every cycle).
    std::map<int, double> m_cellFirstIn{{0, 0.0}};
    Optics::Lamps m_lamps;
    double m_d2OnSince = -1e9;
    std::uint8_t m_slit = 3;
    std::uint8_t m_amplifier = 0x33;
    std::uint32_t m_switchTenths = 3400;
    std::uint64_t m_readingSequence = 0;
    std::uint64_t m_scanSequence = 0;

    struct ScanSetup {
        std::uint32_t highTenths = 11000, lowTenths = 1900;
        std::uint16_t stepTenths = 10;
        std::uint8_t filter = 1;
    } m_scanSetup;
    bool m_scanning = false;
    std::uint64_t m_scanGeneration = 0;

    // A transfer sends one packet and waits for its acknowledgement before the next.
    std::deque<StationPacket> m_transferQueue;
    bool m_awaitingAck = false;
};

} // namespace spectavo::sim
