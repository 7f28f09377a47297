#pragma once

#include <array>
#include <cstdint>

#include "sim/noise.h"
#include "sim/simsettings.h"

namespace spectavo::sim {

// The lamps, the slit and the detector: turns an absorbance at a wavelength into the signals of a
// reading record.
class Optics {
public:
    Optics(const SimSettings &settings) : m_settings(settings), m_noise(settings.seed) {}

    struct Lamps {
        bool d2On = true;
        bool wOn = true;
        double d2Warmth = 1.0; // 0 cold .. 1 warmed up
        double switchPointNm = 340.0;
    };

    // Energy reaching the detector with nothing in the light path, in counts.
    double energy(double wavelengthNm, const Lamps &lamps, double slitNm) const;

    // The 14-byte reading record for a sample of the given absorbance. `sequence` numbers the
    // readings of one stream so that the noise is reproducible.
    std::array<std::uint8_t, 14> reading(double wavelengthNm, double absorbance, const Lamps &lamps,
                                         double slitNm, std::uint64_t sequence, std::uint32_t stream) const;

private:
    const SimSettings &m_settings;
    DeterministicNoise m_noise;
};

} // namespace spectavo::sim
