#include "sim/optics.h"

#include <algorithm>
#include <cmath>

#include "core/link/bytes.h"
#include "core/link/linkcodes.h"

namespace spectavo::sim {
namespace {

double d2Energy(double nm) {
    return 42000.0 * std::exp(-std::pow((nm - 240.0) / 160.0, 2.0)) + 1500.0;
}

double tungstenEnergy(double nm) {
    return 48000.0 * std::exp(-std::pow((nm - 880.0) / 420.0, 2.0)) + 800.0;
}

} // namespace

double Optics::energy(double wavelengthNm, const Lamps &lamps, double slitNm) const {
    const bool ultraviolet = wavelengthNm < lamps.switchPointNm;
    double lamp = 40.0; // stray light with the lamp off
    if (ultraviolet && lamps.d2On)
        lamp = d2Energy(wavelengthNm) * (0.3 + 0.7 * std::clamp(lamps.d2Warmth, 0.0, 1.0));
    else if (!ultraviolet && lamps.wOn)
        lamp = tungstenEnergy(wavelengthNm);
    // Energy grows with the slit width; 2 nm is the reference opening.
    return std::min(54000.0, lamp * std::clamp(slitNm / 2.0, 0.25, 1.25));
}

std::array<std::uint8_t, 14> Optics::reading(double wavelengthNm, double absorbance, const Lamps &lamps,
                                             double slitNm, std::uint64_t sequence,
                                             std::uint32_t stream) const {
    const auto tenths = static_cast<std::uint32_t>(std::lround(wavelengthNm * 10.0));
    const double full = energy(wavelengthNm, lamps, slitNm);
    auto noisy = [&](double signal, std::uint32_t channel) {
        const double sigma = m_settings.noiseRelative * signal + m_settings.noiseCounts;
        return std::max(1.0, signal + sigma * m_noise.gaussian(tenths, sequence, stream * 4 + channel));
    };
    const double sample = noisy(full * std::pow(10.0, -absorbance), 0);
    double referenceField;
    float referenceSignal;
    if (m_settings.beamType == link::kSingleBeam) {
        // A single-beam instrument reports the stored 100 % level in the gain field.
        referenceField = std::clamp(std::round(full), 1.0, 55000.0);
        referenceSignal = 0.0f;
    } else {
        referenceField = 1.0;
        referenceSignal = static_cast<float>(noisy(full * 0.92, 1) / 0.92);
    }
    std::array<std::uint8_t, 14> record{};
    link::writeU16(record, 0, static_cast<std::uint16_t>(std::min<std::uint32_t>(tenths, 0xFFFF)));
    link::writeU16(record, 2,
                   m_settings.beamType == link::kSingleBeam ? static_cast<std::uint16_t>(referenceField) : 1);
    link::writeU16(record, 4, 1);
    link::writeFloat(record, 6, static_cast<float>(sample));
    link::writeFloat(record, 10, referenceSignal);
    return record;
}

} // namespace spectavo::sim
