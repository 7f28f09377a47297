#pragma once

#include <atomic>
#include <mutex>
#include <thread>

#include "core/link/hubdriver.h"
#include "drivers/common/framing.h"
#include "drivers/common/packetqueue.h"
#include "drivers/rs232/serialtransport.h"

namespace spectavo::drivers {

// The instrument on a serial line: a reader thread unframes the incoming bytes into the packet queue,
// sends frame and write under a lock. When the line goes away the program is told with the
// instrument's offline report (type 1) and the device reads as disconnected.
class Rs232Hub {
public:
    static Rs232Hub &instance();
    ~Rs232Hub() { close(); }
    Rs232Hub(const Rs232Hub &) = delete;
    Rs232Hub &operator=(const Rs232Hub &) = delete;

    static constexpr const char *kSettingsFile = "..\\config\\tarvesta.zav.comm.rs232.ini";

    void init();
    bool open();
    void close();
    bool connected() const { return m_connected.load(); }
    bool send(const StationPacket &packet);
    bool popup(StationPacket &packet);
    int receivedEvent() const { return m_incoming.receivedEvent(); }
    std::size_t badFrames() const { return m_badFrames.load(); }

private:
    Rs232Hub();
    void readLoop();

    int m_stopEvent;
    SerialTransport m_transport;
    std::mutex m_sendMutex;
    PacketQueue m_incoming;
    std::thread m_reader;
    std::atomic<bool> m_connected{false};
    std::atomic<std::size_t> m_badFrames{0};
};

} // namespace spectavo::drivers
