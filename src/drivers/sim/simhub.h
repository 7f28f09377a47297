#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

#include "core/link/hubdriver.h"
#include "drivers/common/packetqueue.h"
#include "sim/virtualphotrak.h"

namespace spectavo::drivers {

// The virtual instrument behind the hub driver contract: paced in real time times the speed factor,
// its packets queued for the program, commands handed to it as they are sent. Faults of the settings
// are applied here, on the line, as a real line would show them.
class SimHub {
public:
    static SimHub &instance();
    ~SimHub() { close(); }
    SimHub(const SimHub &) = delete;
    SimHub &operator=(const SimHub &) = delete;

    void init();
    bool open();
    void close();
    bool connected();
    bool send(const StationPacket &packet);
    bool popup(StationPacket &packet);
    int receivedEvent() const { return m_incoming.receivedEvent(); }
    void setRemoteStart(Hub_RemoteStartRequest_t request);
    void pressRemoteStart(int param);
    int commandsReceived(int code);
    // Entry `index` of the instrument's command log (oldest first); false past its end.
    bool loggedCommand(int index, StationPacket &out);
    void disconnect();

private:
    SimHub();
    void run();
    double simNow() const;
    void deliver(std::vector<StationPacket> packets);
    void lineLost();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::unique_ptr<sim::VirtualPhotrak> m_instrument;
    PacketQueue m_incoming;
    std::thread m_pacer;
    bool m_running = false;
    bool m_connected = false;
    std::chrono::steady_clock::time_point m_started;
    double m_speed = 1.0;
    sim::SimFaults m_faults;
    std::mt19937_64 m_faultRandom{7};
    Hub_RemoteStartRequest_t m_remoteStart = nullptr;
};

} // namespace spectavo::drivers
