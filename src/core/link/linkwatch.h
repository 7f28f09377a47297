#pragma once

#include <chrono>
#include <cstdint>

namespace spectavo::link {

class StationLink;

// Whether the instrument still answers, for anyone who waits on it: a packet within the silence
// limit, the hub's device still there, and the link not lost since it came up. Time is handed in,
// so a test runs it on a virtual clock.
class LinkWatch {
public:
    enum class State { Alive, Silent, DeviceGone, Offline };
    static constexpr std::chrono::milliseconds kSilenceLimit{5000};

    using Clock = std::chrono::steady_clock;
    LinkWatch(StationLink &link, Clock::time_point now, std::chrono::milliseconds limit = kSilenceLimit);

    State check(Clock::time_point now);
    // What a command tells the operator when it gives up for this reason.
    static const char *describe(State state);

private:
    StationLink &m_link;
    std::chrono::milliseconds m_limit;
    std::uint32_t m_packets;
    Clock::time_point m_lastPacketAt;
    bool m_wasOnline;
};

} // namespace spectavo::link
