#include "drivers/common/packetqueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include "core/link/linkcodes.h"

namespace spectavo::drivers {

PacketQueue::PacketQueue() : m_receivedEvent(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

PacketQueue::~PacketQueue() {
    if (m_receivedEvent >= 0)
        ::close(m_receivedEvent);
}

void PacketQueue::clear() {
    std::lock_guard guard(m_mutex);
    m_packets.clear();
}

void PacketQueue::pushLocked(const StationPacket &packet) {
    if (m_packets.size() >= kMaxQueued)
        m_packets.pop_front();
    m_packets.push_back(packet);
}

void PacketQueue::push(const StationPacket &packet) {
    {
        std::lock_guard guard(m_mutex);
        pushLocked(packet);
    }
    eventfd_write(m_receivedEvent, 1);
}

void PacketQueue::pushOfflineReport() {
    StationPacket offline{};
    offline.code = link::kPacketLinkLost;
    push(offline);
}

bool PacketQueue::pop(StationPacket &packet) {
    std::lock_guard guard(m_mutex);
    if (m_packets.empty())
        return false;
    packet = m_packets.front();
    m_packets.pop_front();
    return true;
}

std::size_t PacketQueue::size() const {
    std::lock_guard guard(m_mutex);
    return m_packets.size();
}

} // namespace spectavo::drivers
