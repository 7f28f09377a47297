#pragma once

#include <cstddef>
#include <deque>
#include <mutex>

#include "core/link/hubdriver.h"

namespace spectavo::drivers {

// The packets a driver has received and the program has not yet taken, with the received event the
// program's receive thread waits on (readable while packets are waiting). Every driver needs the
// same queue, signalling and offline report; they live here once.
class PacketQueue {
public:
    // More than this many packets waiting means the program has stopped reading; the oldest go.
    static constexpr std::size_t kMaxQueued = 100000;

    PacketQueue();
    ~PacketQueue();
    PacketQueue(const PacketQueue &) = delete;
    PacketQueue &operator=(const PacketQueue &) = delete;

    // The eventfd handed to the program as hMsg_Received.
    int receivedEvent() const { return m_receivedEvent; }
    void clear();
    // Queues one packet and signals the program.
    void push(const StationPacket &packet);
    // Queues the instrument's offline report (the line went away) and signals the program.
    void pushOfflineReport();
    bool pop(StationPacket &packet);
    std::size_t size() const;

private:
    void pushLocked(const StationPacket &packet);

    int m_receivedEvent;
    mutable std::mutex m_mutex;
    std::deque<StationPacket> m_packets;
};

} // namespace spectavo::drivers
