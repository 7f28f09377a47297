#include "drivers/rs232/rs232hub.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include "core/config/profilefile.h"

namespace spectavo::drivers {

Rs232Hub &Rs232Hub::instance() {
    static Rs232Hub hub;
    return hub;
}

Rs232Hub::Rs232Hub() : m_stopEvent(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

void Rs232Hub::init() {
    m_incoming.clear();
}

bool Rs232Hub::open() {
    close();
    const ProfileFile settings(kSettingsFile, true);
    const std::string device = settings.GetString("Port", "Device", "/dev/ttyS0");
    const int baud = settings.GetInt("Port", "Baud", 115200);
    if (!m_transport.open(device, baud))
        return false;
    eventfd_t ignored;
    while (eventfd_read(m_stopEvent, &ignored) == 0) {
    }
    m_connected = true;
    m_reader = std::thread([this] { readLoop(); });
    return true;
}

void Rs232Hub::close() {
    if (m_reader.joinable()) {
        eventfd_write(m_stopEvent, 1);
        m_reader.join();
    }
    m_transport.close();
    m_connected = false;
}

bool Rs232Hub::send(const StationPacket &packet) {
    if (!m_connected)
        return false;
    const std::vector<std::uint8_t> frame = framePacket(packet);
    std::lock_guard guard(m_sendMutex);
    return m_transport.writeAll(frame.data(), frame.size());
}

bool Rs232Hub::popup(StationPacket &packet) {
    return m_incoming.pop(packet);
}

void Rs232Hub::readLoop() {
    Unframer unframer;
    std::uint8_t buffer[4096];
    for (;;) {
        std::size_t got = 0;
        const auto result = m_transport.read(buffer, sizeof buffer, got, 500, m_stopEvent);
        if (result == SerialTransport::ReadResult::Closed) {
            eventfd_t stop = 0;
            if (eventfd_read(m_stopEvent, &stop) == 0) {
                eventfd_write(m_stopEvent, stop); // a close is in progress: leave quietly
                return;
            }
            // The line went away: the instrument's offline report tells the program.
            m_connected = false;
            m_incoming.pushOfflineReport();
            return;
        }
        for (std::size_t i = 0; i < got; ++i) {
            if (unframer.feed(buffer[i]) == Unframer::Result::Packet)
                m_incoming.push(unframer.packet());
        }
        m_badFrames = unframer.badFrames();
    }
}

} // namespace spectavo::drivers
