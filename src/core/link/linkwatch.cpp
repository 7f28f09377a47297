#include "core/link/linkwatch.h"

#include "core/link/stationlink.h"

namespace spectavo::link {

LinkWatch::LinkWatch(StationLink &link, Clock::time_point now, std::chrono::milliseconds limit)
    : m_link(link), m_limit(limit), m_packets(link.status().packetsReceived.load()), m_lastPacketAt(now),
      m_wasOnline(link.status().linkOnline.load() == 1) {}

LinkWatch::State LinkWatch::check(Clock::time_point now) {
    const std::uint32_t packets = m_link.status().packetsReceived.load();
    if (packets != m_packets) {
        m_packets = packets;
        m_lastPacketAt = now;
    }
    if (!m_link.channel().IsHubConnected())
        return State::DeviceGone;
    const bool online = m_link.status().linkOnline.load() == 1;
    if (m_wasOnline && !online)
        return State::Offline;
    m_wasOnline = m_wasOnline || online;
    if (now - m_lastPacketAt >= m_limit)
        return State::Silent;
    return State::Alive;
}

const char *LinkWatch::describe(State state) {
    switch (state) {
    case State::Silent:
        return "the instrument fell silent: nothing arrived for seconds";
    case State::DeviceGone:
        return "the hub driver lost its device";
    case State::Offline:
        return "the instrument link went offline";
    default:
        return "";
    }
}

} // namespace spectavo::link
