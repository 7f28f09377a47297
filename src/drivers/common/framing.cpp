#include "drivers/common/framing.h"

#include <cstring>

namespace spectavo::drivers {

std::uint16_t crc16Ccitt(const std::uint8_t *data, std::size_t length) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= static_cast<std::uint16_t>(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}

std::vector<std::uint8_t> framePacket(const StationPacket &packet) {
    std::array<std::uint8_t, kFramePayload> payload{};
    std::memcpy(payload.data(), &packet, sizeof packet);
    const std::uint16_t crc = crc16Ccitt(payload.data(), sizeof packet);
    payload[sizeof packet] = static_cast<std::uint8_t>(crc >> 8);
    payload[sizeof packet + 1] = static_cast<std::uint8_t>(crc);

    std::vector<std::uint8_t> frame{kFrameStart};
    frame.reserve(2 * kFramePayload + 1);
    for (const std::uint8_t byte : payload) {
        if (byte == kFrameStart || byte == kFrameEscape) {
            frame.push_back(kFrameEscape);
            frame.push_back(byte ^ 0x20);
        } else {
            frame.push_back(byte);
        }
    }
    return frame;
}

Unframer::Result Unframer::feed(std::uint8_t byte) {
    if (byte == kFrameStart) {
        // A start byte always begins a frame; one in the middle means the last frame was cut short.
        const bool cut = m_state != State::Hunting;
        m_state = State::Collecting;
        m_count = 0;
        if (cut) {
            ++m_badFrames;
            return Result::Invalid;
        }
        return Result::NeedMore;
    }
    switch (m_state) {
    case State::Hunting:
        return Result::NeedMore; // garbage between frames
    case State::Escaped:
        byte ^= 0x20;
        m_state = State::Collecting;
        break;
    case State::Collecting:
        if (byte == kFrameEscape) {
            m_state = State::Escaped;
            return Result::NeedMore;
        }
        break;
    }
    m_bytes[m_count++] = byte;
    return m_count == kFramePayload ? finishFrame() : Result::NeedMore;
}

Unframer::Result Unframer::finishFrame() {
    m_state = State::Hunting;
    m_count = 0;
    const std::uint16_t crc = static_cast<std::uint16_t>((m_bytes[sizeof(StationPacket)] << 8) |
                                                         m_bytes[sizeof(StationPacket) + 1]);
    StationPacket packet;
    std::memcpy(&packet, m_bytes.data(), sizeof packet);
    if (crc != crc16Ccitt(m_bytes.data(), sizeof packet) || packet.length > sizeof packet.data) {
        ++m_badFrames;
        return Result::Invalid;
    }
    m_packet = packet;
    return Result::Packet;
}

} // namespace spectavo::drivers
