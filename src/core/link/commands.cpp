#include "core/link/commands.h"

#include <cmath>
#include <limits>

#include "core/link/bytes.h"

namespace spectavo::link {

std::uint32_t toTenths(float nanometres) {
    const double tenths = std::round(static_cast<double>(nanometres) * 10.0);
    if (!(tenths > 0.0))
        return 0;
    if (tenths >= static_cast<double>(std::numeric_limits<std::uint32_t>::max()))
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(tenths);
}

std::array<std::uint8_t, 4> wavelengthArgument(float nanometres) {
    std::array<std::uint8_t, 4> bytes{};
    writeU32(bytes, 0, toTenths(nanometres));
    return bytes;
}

ScanSetupMessage scanSetupMessage(float upperNm, float lowerNm, float stepNm, std::uint8_t filterCode) {
    ScanSetupMessage bytes{};
    writeU32(bytes, 0, toTenths(upperNm));
    writeU32(bytes, 4, toTenths(lowerNm));
    writeU16(bytes, 8, static_cast<std::uint16_t>(std::min<std::uint32_t>(toTenths(stepNm), 0xFFFF)));
    bytes[10] = filterCode;
    return bytes;
}

std::uint8_t amplifierByte(int gainStep) {
    if (gainStep < 0 || gainStep > 10)
        return kAmplifierCancelled;
    return static_cast<std::uint8_t>(gainStep * 17);
}

} // namespace spectavo::link
