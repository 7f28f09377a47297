#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/link/hubdriver.h"

namespace spectavo::drivers {

// Packets on a serial line: a start byte, then the 68-byte packet and its CRC-16/CCITT (big-endian),
// with every start or escape byte inside replaced by the escape byte and the byte XOR 0x20. A frame
// has a fixed length once unstuffed, so the start byte alone delimits it.
inline constexpr std::uint8_t kFrameStart = 0x7E;
inline constexpr std::uint8_t kFrameEscape = 0x7D;
inline constexpr std::size_t kFramePayload = sizeof(StationPacket) + 2;

// CRC-16/CCITT-FALSE: polynomial 0x1021, initial value 0xFFFF, no reflection ("123456789" -> 0x29B1).
std::uint16_t crc16Ccitt(const std::uint8_t *data, std::size_t length);

std::vector<std::uint8_t> framePacket(const StationPacket &packet);

// Turns a byte stream back into packets, one byte at a time. Garbage, damaged frames (wrong CRC, a
// data length above 64, a frame cut short by the next start byte) are dropped and counted, and the
// stream resynchronises on the next start byte.
class Unframer {
public:
    enum class Result { NeedMore, Invalid, Packet };

    Result feed(std::uint8_t byte);
    const StationPacket &packet() const { return m_packet; }
    std::size_t badFrames() const { return m_badFrames; }

private:
    Result finishFrame();

    enum class State { Hunting, Collecting, Escaped } m_state = State::Hunting;
    std::array<std::uint8_t, kFramePayload> m_bytes{};
    std::size_t m_count = 0;
    StationPacket m_packet{};
    std::size_t m_badFrames = 0;
};

} // namespace spectavo::drivers
