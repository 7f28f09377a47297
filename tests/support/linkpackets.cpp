#include "support/linkfixture.h"

#include "core/link/bytes.h"

namespace spectavo::test {

bool RecordingTarget::received(const link::Notification &notification) const {
    for (const auto &posted : posted())
        if (posted == notification)
            return true;
    return false;
}

int RecordingTarget::count(link::NotifyKind kind, int code) const {
    int n = 0;
    for (const auto &posted : posted())
        n += posted.kind == kind && posted.code == code;
    return n;
}

StationPacket packet(std::uint8_t type, std::vector<std::uint8_t> data) {
    StationPacket p{};
    p.code = type;
    p.length = static_cast<unsigned char>(std::min<std::size_t>(data.size(), 64));
    std::copy_n(data.begin(), p.length, p.data);
    return p;
}

std::vector<std::uint8_t> readingRecord(std::uint16_t tenths, std::uint16_t sampleGain,
                                        std::uint16_t referenceGain, float sample, float reference) {
    std::vector<std::uint8_t> bytes(14);
    link::writeU16(bytes, 0, tenths);
    link::writeU16(bytes, 2, sampleGain);
    link::writeU16(bytes, 4, referenceGain);
    link::writeFloat(bytes, 6, sample);
    link::writeFloat(bytes, 10, reference);
    return bytes;
}

} // namespace spectavo::test
