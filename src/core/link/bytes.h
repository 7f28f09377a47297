#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

// Numbers on the link and in instrument records are big-endian.
namespace spectavo::link {

inline std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

inline std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

inline float readFloat(std::span<const std::uint8_t> bytes, std::size_t at) {
    const std::uint32_t bits = readU32(bytes, at);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void writeU16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(value);
}

inline void writeU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

inline void writeFloat(std::span<std::uint8_t> bytes, std::size_t at, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeU32(bytes, at, bits);
}

inline std::int32_t floatBits(float value) {
    std::int32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float floatFromBits(std::int32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace spectavo::link
