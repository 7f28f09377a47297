#include "core/link/readingdecode.h"

#include <array>
#include <cmath>

#include "core/link/bytes.h"
#include "core/link/linkcodes.h"

namespace spectavo::link {
namespace {

float inRange(float factor) {
    return (factor < 1.0f || factor > 55000.0f || std::isnan(factor)) ? 1.0f : factor;
}

} // namespace

DecodedReading decodeReading(std::span<const std::uint8_t> record, std::uint8_t beamType, bool ignoreGains) {
    std::array<std::uint8_t, kReadingRecordBytes> bytes{};
    for (std::size_t i = 0; i < bytes.size() && i < record.size(); ++i)
        bytes[i] = record[i];

    DecodedReading reading;
    reading.wavelengthTenths = readU16(bytes, 0);
    const float sampleGain = readU16(bytes, 2);
    const float referenceGain = readU16(bytes, 4);
    const float sampleSignal = readFloat(bytes, 6);
    const float referenceSignal = readFloat(bytes, 10);

    float s = sampleSignal, r = referenceSignal, gs = sampleGain, gr = referenceGain;
    if (beamType == kSingleBeam) {
        r = sampleGain;
        gs = gr = 1.0f;
    } else if (beamType == kDoubleBeamScanWithoutGains && ignoreGains) {
        gs = gr = 1.0f;
    }
    s = inRange(s);
    r = inRange(r);
    gs = inRange(gs);
    gr = inRange(gr);

    reading.sampleSignal = s;
    reading.referenceSignal = r;
    const float transmittance = (s * gr) / (r * gs) * 100.0f;
    reading.absorbance = transmittance == 0.0f ? 5.0f : 2.0f - std::log10(transmittance);
    return reading;
}

} // namespace spectavo::link
