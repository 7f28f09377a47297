#include "sim/filestore.h"

#include <cmath>

#include "core/link/bytes.h"
#include "sim/samples.h"

namespace spectavo::sim {
namespace {

using link::writeFloat;
using link::writeU16;
using link::writeU32;

constexpr std::uint8_t kCurrentLayout = 0xE1;

class Content {
public:
    explicit Content(std::size_t size) : m_bytes(size, 0) {}
    void text(std::size_t at, const std::string &text) {
        for (std::size_t i = 0; i < text.size() && at + i < m_bytes.size(); ++i)
            m_bytes[at + i] = static_cast<std::uint8_t>(text[i]);
    }
    void byte(std::size_t at, std::uint8_t value) { m_bytes[at] = value; }
    void u16(std::size_t at, std::uint16_t value) { writeU16(m_bytes, at, value); }
    void u32(std::size_t at, std::uint32_t value) { writeU32(m_bytes, at, value); }
    void f32(std::size_t at, float value) { writeFloat(m_bytes, at, value); }
    void date(std::size_t at) {
        // 2026-11-20 14:30:05, second first.
        const std::uint8_t fields[] = {5, 30, 14, 20, 11, 26};
        for (std::size_t i = 0; i < 6; ++i)
            m_bytes[at + i] = fields[i];
    }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

std::uint32_t steps(double nm, int stepsPerNm) {
    return static_cast<std::uint32_t>(std::lround(nm * stepsPerNm));
}

StoredFile scanFile(int stepsPerNm) {
    const Sample holmium = namedSample("holmium");
    const double start = 400.0, end = 700.0, step = 1.0; // step index 1: the station file's default
    const auto count = static_cast<std::size_t>((end - start) / step) + 1;
    Content c(90 + 4 * count);
    c.text(0, "HOLMIUM.sca");
    c.byte(13, kCurrentLayout);
    c.date(14);
    c.u32(25, steps(end, stepsPerNm));
    c.u32(29, steps(start, stepsPerNm));
    c.byte(33, 1);
    c.byte(34, 1);
    c.f32(35, 0.03f);
    for (std::size_t i = 0; i < count; ++i)
        c.f32(90 + 4 * i,
              static_cast<float>(holmium.absorbance(start + step * static_cast<double>(i), 2.0, 0.0)));
    return {"HOLMIUM.sca", {}, c.take()};
}

StoredFile kineticsFile(int stepsPerNm, bool singleBeam) {
    const std::size_t count = 61; // 60 s at 1 s
    const std::size_t data = singleBeam ? 92 : 96;
    Content c(data + 4 * count);
    c.text(0, "NADH01");
    c.date(8);
    c.u32(16, steps(340.0, stepsPerNm));
    c.u16(20, 60);
    c.byte(22, 1);
    c.u16(27, 0);
    c.u16(29, 60);
    c.f32(31, 1.0f);
    c.f32(39, -0.05f / 60.0f);
    c.byte(43, 1); // the rate fields are present
    for (std::size_t i = 0; i < count; ++i)
        c.f32(data + 4 * i, 1.2f - 0.05f * static_cast<float>(i) / 60.0f);
    return {"NADH01.kin", {}, c.take()};
}

StoredFile quantitativeFile(const std::string &name, int stepsPerNm) {
    const std::size_t standards = 3, samples = 2;
    Content c(99 + 28 * (standards + samples));
    c.text(0, name);
    c.byte(13, kCurrentLayout);
    c.byte(22, 1);
    c.u32(25, steps(350.0, stepsPerNm));
    c.text(38, "mg/L");
    c.byte(48, 0); // standards are used
    c.byte(49, 0); // linear fit
    c.f32(50, 0.0f);
    c.f32(54, 93.0f);
    c.f32(66, 0.9998f);
    c.byte(97, static_cast<std::uint8_t>(standards));
    c.byte(98, static_cast<std::uint8_t>(samples));
    const float concentrations[] = {20.0f, 40.0f, 60.0f, 31.0f, 52.0f};
    for (std::size_t r = 0; r < standards + samples; ++r) {
        const std::size_t at = 99 + 28 * r;
        c.f32(at + 8, concentrations[r]);
        c.f32(at + 12, concentrations[r] / 93.0f);
        c.f32(at + 16, concentrations[r] / 93.0f);
    }
    return {name, {}, c.take()};
}

StoredFile nucleicFile(int stepsPerNm) {
    const std::size_t rows = 2;
    Content c(88 + 24 * rows);
    c.text(0, "DNA01.dna");
    c.byte(13, kCurrentLayout);
    c.byte(16, 0);
    c.u16(17, 1);
    c.f32(19, 62.9f);
    c.f32(23, 36.0f);
    c.f32(27, 1552.0f);
    c.f32(31, 757.0f);
    c.byte(51, 6);
    c.byte(62, 2);
    c.u32(63, steps(260.0, stepsPerNm));
    c.u32(67, steps(280.0, stepsPerNm));
    c.byte(87, static_cast<std::uint8_t>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
        c.f32(88 + 12 * r, 0.95f);
        c.f32(92 + 12 * r, 0.51f);
        c.f32(88 + 12 * rows + 12 * r, 47.5f);
        c.f32(92 + 12 * rows + 12 * r, 12.0f);
        c.f32(96 + 12 * rows + 12 * r, 1.86f);
    }
    return {"DNA01.dna", {}, c.take()};
}

StoredFile multiWavelengthFile(int stepsPerNm) {
    const std::size_t rows = 2;
    // Each row: the 8-byte time stamp of its reading, then ten readings.
    Content c(156 + 48 * rows);
    c.text(0, "MULTI01.mul");
    c.byte(13, kCurrentLayout);
    c.byte(24, 3);
    const double wavelengths[] = {260.0, 280.0, 320.0};
    for (std::size_t i = 0; i < 3; ++i)
        c.u32(25 + 4 * i, steps(wavelengths[i], stepsPerNm));
    c.byte(155, static_cast<std::uint8_t>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
        c.date(156 + 48 * r);
        for (std::size_t i = 0; i < 3; ++i)
            c.f32(156 + 48 * r + 8 + 4 * i,
                  0.9f - 0.3f * static_cast<float>(i) + 0.01f * static_cast<float>(r));
    }
    return {"MULTI01.mul", {}, c.take()};
}

StoredFile validityFile(bool photometric, int stepsPerNm) {
    const std::size_t n = photometric ? 3 : 2;
    Content c(111 + 12 * n);
    const std::string name = photometric ? "PHOTO01.phv" : "WAVE01.wlv";
    c.text(0, name);
    c.byte(13, kCurrentLayout);
    c.byte(17, static_cast<std::uint8_t>(n));
    const double phv[] = {235.0, 257.0, 313.0};
    const double wlv[] = {486.0, 656.1};
    for (std::size_t i = 0; i < n; ++i)
        c.u32(18 + 4 * i, steps(photometric ? phv[i] : wlv[i], stepsPerNm));
    if (photometric) {
        const float standard[] = {0.748f, 0.865f, 0.292f};
        for (std::size_t i = 0; i < n; ++i) {
            c.f32(99 + 4 * i, standard[i]);
            c.f32(99 + 4 * n + 4 * i, standard[i] + 0.002f);
        }
        c.f32(103 + 8 * n, 0.01f);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            c.u32(99 + 4 * i, steps(wlv[i] + 0.1, stepsPerNm));
            c.f32(99 + 4 * n + 4 * i, 0.6f);
        }
        c.f32(99 + 8 * n, 0.3f);
    }
    return {name, {}, c.take()};
}

StoredFile olderScanFile() {
    const std::uint32_t upper = 7000, lower = 4000; // tenths of a nanometre, step index 2 = 1 nm
    const std::size_t count = (upper - lower) / 10 + 1;
    Content c(74 + 4 * count);
    c.text(0, "OLDHO.wav");
    c.byte(13, 0x00);
    c.byte(42, 5);
    c.u32(43, upper);
    c.u32(47, lower);
    c.byte(51, 2);
    const Sample holmium = namedSample("holmium");
    for (std::size_t i = 0; i < count; ++i)
        c.f32(74 + 4 * i, static_cast<float>(holmium.absorbance(400.0 + static_cast<double>(i), 2.0, 0.0)));
    return {"OLDHO.wav", {}, c.take()};
}

// Two samples of a one-wavelength calibration at 350 nm, as older instruments stored them.
StoredFile olderQuantitativeFile(int stepsPerNm) {
    Content c(64 + 20 * 2);
    c.text(0, "OLDCAL.qua");
    c.byte(13, 0x00);
    c.byte(16, 4); // mg/L
    c.byte(27, 1);
    c.u32(28, steps(350.0, stepsPerNm));
    c.byte(63, 2);
    for (std::size_t r = 0; r < 2; ++r) {
        const float concentration = 25.0f * static_cast<float>(r + 1);
        c.f32(64 + 20 * r, concentration);
        c.f32(68 + 20 * r, concentration / 93.0f);
        c.f32(72 + 20 * r, concentration / 93.0f);
    }
    return {"OLDCAL.qua", {}, c.take()};
}

} // namespace

std::vector<StoredFile> defaultFileStore(int stepsPerNm, bool singleBeam) {
    std::vector<StoredFile> files = {
        quantitativeFile("CR6.qua", stepsPerNm),
        scanFile(stepsPerNm),
        kineticsFile(stepsPerNm, singleBeam),
        nucleicFile(stepsPerNm),
        multiWavelengthFile(stepsPerNm),
        validityFile(true, stepsPerNm),
        validityFile(false, stepsPerNm),
        quantitativeFile("CR6.std", stepsPerNm),
        olderScanFile(),
        olderQuantitativeFile(stepsPerNm),
    };
    for (std::size_t i = 0; i < files.size(); ++i)
        files[i].handle = {0x10, static_cast<std::uint8_t>(i + 1)};
    return files;
}

} // namespace spectavo::sim
