#include "sim/samples.h"

#include <cmath>

namespace spectavo::sim {
namespace {

constexpr double kFwhmToSigma = 1.0 / 2.3548200450309493;

// A Gaussian band seen through a slit: the slit's own (roughly Gaussian) profile widens the band and
// lowers its peak, keeping its area.
double bandThroughSlit(const Band &band, double wavelengthNm, double slitNm) {
    const double sigmaBand = band.fwhmNm * kFwhmToSigma;
    const double sigmaSlit = slitNm * kFwhmToSigma;
    const double sigma = std::sqrt(sigmaBand * sigmaBand + sigmaSlit * sigmaSlit);
    const double height = band.absorbance * sigmaBand / sigma;
    const double z = (wavelengthNm - band.centreNm) / sigma;
    return height * std::exp(-0.5 * z * z);
}

Sample dichromate(double concentration) {
    // Potassium-dichromate-like bands in acid: maxima near 257 and 350 nm, per 20 mg/L.
    Sample sample{"Dichromate",
                  {{257.0, 60.0, 0.29}, {350.0, 70.0, 0.215}, {430.0, 40.0, 0.03}},
                  concentration / 20.0,
                  0.0,
                  0.0,
                  0.0};
    sample.name = "Dichromate " + std::to_string(static_cast<int>(concentration)) + " mg/L";
    return sample;
}

} // namespace

double Sample::absorbance(double wavelengthNm, double slitNm, double seconds) const {
    double total = background;
    for (const Band &band : bands)
        total += concentration * bandThroughSlit(band, wavelengthNm, slitNm);
    if (ratePerMinute != 0.0 && reactionWavelengthNm > 0.0) {
        // The reacting band loses absorbance linearly; its shape stays.
        const double atCentre = concentration * bands.front().absorbance;
        const double fraction =
            atCentre > 0.0 ? std::max(0.0, 1.0 + ratePerMinute * seconds / 60.0 / atCentre) : 1.0;
        total = background + (total - background) * fraction;
    }
    return total;
}

Sample namedSample(const std::string &name) {
    if (name == "holmium")
        return {"Holmium oxide",
                {{241.1, 4.0, 0.45},
                 {287.1, 4.0, 0.55},
                 {361.5, 4.0, 0.65},
                 {416.3, 4.0, 0.70},
                 {450.8, 4.0, 0.85},
                 {536.4, 4.0, 0.50},
                 {640.5, 4.0, 0.35}},
                1.0,
                0.05,
                0.0,
                0.0};
    if (name.rfind("dichromate", 0) == 0)
        return dichromate(name.size() > 10 ? std::stod(name.substr(10)) : 20.0);
    if (name == "nucleic")
        // A260/A280 about 1.9, little at 320 nm.
        return {"Nucleic acid", {{258.0, 46.0, 0.95}, {228.0, 20.0, 0.30}}, 1.0, 0.005, 0.0, 0.0};
    if (name == "reaction")
        // An NADH-like band at 340 nm losing 0.05 absorbance per minute.
        return {"Reaction at 340 nm", {{340.0, 60.0, 1.20}}, 1.0, 0.0, -0.05, 340.0};
    if (name == "empty")
        return {"Empty", {}, 1.0, 0.0, 0.0, 0.0};
    return {"Blank", {}, 1.0, 0.0, 0.0, 0.0};
}

const std::vector<std::string> &sampleNames() {
    static const std::vector<std::string> names = {"blank",        "holmium",      "dichromate20",
                                                   "dichromate40", "dichromate60", "dichromate80",
                                                   "nucleic",      "reaction",     "empty"};
    return names;
}

std::vector<std::string> defaultCellSamples() {
    return {"blank",        "holmium", "dichromate20", "dichromate40",
            "dichromate60", "nucleic", "reaction",     "empty"};
}

} // namespace spectavo::sim
