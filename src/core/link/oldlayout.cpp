#include "core/link/oldlayout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/bytes.h"
#include "core/link/linkcodes.h"

namespace spectavo::link {
namespace {

constexpr std::size_t kHeader = 17;
constexpr std::size_t kNameBytes = 13;
constexpr std::uint8_t kCurrentMarker = 0xE1;

// Older scan steps by index, in the record's wavelength units (tenths of a nanometre).
constexpr std::array<std::uint32_t, 6> kOlderSteps = {2, 4, 10, 20, 40, 100};

constexpr std::array<const char *, 10> kOlderUnits = {"%",     "ppm",   "ppb", "g/L",  "mg/L",
                                                      "mg/mL", "ug/mL", "M/L", "mM/L", "IU"};

// The saved content, read only where bytes were received.
class Source {
public:
    Source(std::vector<std::uint8_t> bytes, std::size_t received)
        : m_bytes(std::move(bytes)), m_received(std::min(received, m_bytes.size())) {}
    std::uint8_t at(std::size_t offset) const { return offset < m_received ? m_bytes[offset] : 0; }
    void copy(std::size_t from, std::size_t count, std::span<std::uint8_t> to, std::size_t at) const {
        for (std::size_t i = 0; i < count && at + i < to.size(); ++i)
            to[at + i] = this->at(from + i);
    }
    std::uint32_t u32(std::size_t offset) const {
        return (std::uint32_t{at(offset)} << 24) | (std::uint32_t{at(offset + 1)} << 16) |
               (std::uint32_t{at(offset + 2)} << 8) | std::uint32_t{at(offset + 3)};
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_received;
};

std::string nameOf(std::span<const std::uint8_t> header) {
    std::string name;
    for (std::size_t i = 0; i < kNameBytes && header[i] != 0; ++i)
        name += static_cast<char>(header[i]);
    return name;
}

// The record's name field: the name (cut to fit its terminated 13 bytes) and the current marker.
void putName(std::string_view name, std::span<std::uint8_t> d) {
    for (std::size_t i = 0; i < name.size() && i < kNameBytes - 1; ++i)
        d[i] = static_cast<std::uint8_t>(name[i]);
    d[13] = kCurrentMarker;
}

void put(std::span<std::uint8_t> content, std::size_t at, std::uint8_t value) {
    if (at < content.size())
        content[at] = value;
}

void putFloat(std::span<std::uint8_t> content, std::size_t at, float value) {
    if (at + 4 <= content.size())
        writeFloat(content, at, value);
}

std::size_t convertScan(const Source &s, std::string_view name, std::span<std::uint8_t> d) {
    const std::uint8_t stepIndex = s.at(51);
    if (stepIndex >= kOlderSteps.size())
        return 0;
    putName(name.substr(0, name.find(".wav")), d);
    s.copy(16, 4, d, 14);
    s.copy(20, 4, d, 18);
    constexpr std::array<std::uint8_t, 6> kLampCodes = {1, 1, 1, 0, 1, 2};
    const std::uint8_t lamp = s.at(42);
    d[22] = lamp < kLampCodes.size() ? kLampCodes[lamp] : 0;
    const std::uint8_t k = s.at(57);
    d[23] = k;
    d[24] = 1;
    s.copy(43, 4, d, 25);
    s.copy(47, 4, d, 29);
    d[33] = stepIndex;
    d[34] = s.at(52);
    s.copy(53, 4, d, 35);
    const std::uint32_t upper = s.u32(43);
    const std::uint32_t lower = s.u32(47);
    const std::uint32_t count = upper >= lower ? (upper - lower) / kOlderSteps[stepIndex] + 1 : 0;
    writeU16(d, 39, static_cast<std::uint16_t>(std::min<std::uint32_t>(count, 0xFFFF)));
    const float pairs[] = {0.0f, 65536.0f, 0.0f, 150.0f, 0.0f, 3.0f};
    for (std::size_t i = 0; i < 6; ++i)
        putFloat(d, 41 + 4 * i, pairs[i]);
    s.copy(58, 4, d, 65);
    s.copy(62, 4, d, 69);
    // The record's own pair overwrites pair k. Pairs lie between offsets 41 and 89; a larger k would
    // write into the points, so it is ignored.
    if (k <= 5) {
        s.copy(66, 4, d, 41 + 8u * k);
        s.copy(70, 4, d, 45 + 8u * k);
    }
    const std::size_t pointBytes = std::min<std::size_t>(4u * count, d.size() - 90);
    s.copy(74, pointBytes, d, 90);
    return 90 + pointBytes;
}

std::size_t convertQuantitative(const Source &s, std::string_view name, std::span<std::uint8_t> d,
                                bool curveFile) {
    putName(name, d);
    s.copy(8, 8, d, 14);
    d[22] = s.at(27);
    d[23] = 2;
    d[24] = 1;
    s.copy(28, 12, d, 25);
    const std::uint8_t unit = s.at(16);
    d[37] = unit;
    if (unit == kUnitOwnText) {
        s.copy(17, 10, d, 38);
    } else if (unit < kOlderUnits.size()) {
        const std::string_view text = kOlderUnits[unit];
        std::copy(text.begin(), text.end(), d.begin() + 38);
    }
    d[48] = s.at(41);
    d[49] = s.at(42);
    s.copy(47, 16, d, 50);
    s.copy(43, 4, d, 66);
    const std::uint8_t records = s.at(63);
    put(d, curveFile ? 97 : 98, records);
    for (std::size_t i = 0; i < records; ++i) {
        const std::size_t to = 99 + 28 * i;
        const std::size_t from = 64 + 20 * i;
        s.copy(from, 4, d, to + 8);
        s.copy(from + 4, 4, d, to + 12);
        s.copy(from + 8, 12, d, to + 16);
    }
    return 99 + 28u * records;
}

std::size_t convertMultiWavelength(const Source &s, std::string_view name, std::span<std::uint8_t> d) {
    putName(name, d);
    s.copy(8, 8, d, 14);
    d[22] = s.at(16);
    d[23] = 1;
    d[24] = s.at(17);
    s.copy(18, 40, d, 25);
    // Ten pairs of 60000.0, stored little-endian in this record.
    for (std::size_t i = 0; i < 20; ++i) {
        const float value = 60000.0f;
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (std::size_t b = 0; b < 4; ++b)
            d[65 + 4 * i + b] = static_cast<std::uint8_t>(bits >> (8 * b));
    }
    const std::uint8_t records = s.at(98);
    d[155] = records;
    for (std::size_t i = 0; i < records; ++i) {
        const std::size_t to = 156 + 48 * i;
        for (std::size_t b = 0; b < 8 && to + b < d.size(); ++b)
            d[to + b] = d[14 + b];
        s.copy(99 + 80 * i, 40, d, to + 8);
    }
    return 156 + 48u * records;
}

} // namespace

bool isCurrentLayout(std::uint8_t marker) {
    return (marker >> 4) == (~marker & 0x0F);
}

ConversionResult convertOlderLayout(std::span<std::uint8_t> buffer, std::size_t received) {
    if (buffer.size() < kHeader + 256)
        return {Conversion::Unchanged, received};
    const std::string name = nameOf(buffer.first(kNameBytes));
    const bool scan = name.find(".wav") != std::string::npos;
    const bool quantitative = name.find(".qua") != std::string::npos;
    const bool curve = name.find(".fit") != std::string::npos || name.find(".STD") != std::string::npos;
    const bool multi = name.find(".mul") != std::string::npos;
    if (!scan && !quantitative && !curve && !multi)
        return {Conversion::Unchanged, received};

    const std::span<std::uint8_t> content = buffer.subspan(kHeader);
    const Source source(std::vector<std::uint8_t>(content.begin(), content.end()), received);
    std::vector<std::uint8_t> converted(content.size(), 0);
    std::size_t length = 0;
    if (scan) {
        length = convertScan(source, name, converted);
        if (length == 0)
            return {Conversion::Refused, received};
    } else if (quantitative || curve) {
        length = convertQuantitative(source, name, converted, curve);
    } else {
        length = convertMultiWavelength(source, name, converted);
    }
    std::copy(converted.begin(), converted.end(), content.begin());
    return {Conversion::Converted, std::min(length, content.size())};
}

} // namespace spectavo::link
