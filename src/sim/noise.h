#pragma once

#include <cstdint>

namespace spectavo::sim {

// Noise that depends only on the seed, the wavelength and the reading's sequence number: the same scan
// gives the same values however the real-time pacing went.
class DeterministicNoise {
public:
    explicit DeterministicNoise(std::uint64_t seed) : m_seed(seed) {}

    // Approximately normal with mean 0 and standard deviation 1 (a sum of four uniforms, scaled).
    double gaussian(std::uint32_t wavelengthTenths, std::uint64_t sequence, std::uint32_t stream) const {
        double sum = 0.0;
        for (std::uint64_t k = 0; k < 4; ++k)
            sum += uniform(mix(m_seed ^ (std::uint64_t{wavelengthTenths} << 32) ^ (sequence * 4 + k) ^
                               (std::uint64_t{stream} << 56)));
        return (sum - 2.0) * 1.7320508075688772; // variance of four uniforms is 1/3
    }

private:
    static std::uint64_t mix(std::uint64_t x) {
        x += 0x9E3779B97F4A7C15ull;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
        return x ^ (x >> 31);
    }
    static double uniform(std::uint64_t bits) { return static_cast<double>(bits >> 11) / 9007199254740992.0; }

    std::uint64_t m_seed;
};

} // namespace spectavo::sim
