#pragma once

#include <cstdint>
#include <span>

namespace spectavo::link {

// A photometric reading record (14 bytes): wavelength (u16 tenths), sample gain, reference gain
// (u16), sample and reference signal (float), all big-endian.
inline constexpr std::size_t kReadingRecordBytes = 14;

struct DecodedReading {
    std::uint16_t wavelengthTenths = 0;
    float sampleSignal = 1.0f;    // after the range check
    float referenceSignal = 1.0f; // after the range check
    float absorbance = 0.0f;
};

// Turns a reading into an absorbance for the instrument's beam type. Single beam: the sample signal
// against the sample gain field; double beam: sample against reference, with the gains unless the
// beam type is 1 and ignoreGains is set. Factors outside 1 .. 55000 count as 1, so the result is
// always finite. A record shorter than 14 bytes decodes as zeros.
DecodedReading decodeReading(std::span<const std::uint8_t> record, std::uint8_t beamType, bool ignoreGains);

} // namespace spectavo::link
