#pragma once

#include <string>
#include <vector>

namespace spectavo::sim {

// One absorption band: a Gaussian in wavelength.
struct Band {
    double centreNm = 0.0;
    double fwhmNm = 10.0;
    double absorbance = 0.0; // at the centre, for concentration 1
};

// What stands in a cell of the changer: a sum of bands scaled by the concentration (Beer-Lambert), a
// flat background, and optionally a reaction that changes the absorbance at a rate.
struct Sample {
    std::string name;
    std::vector<Band> bands;
    double concentration = 1.0;
    double background = 0.0;
    double ratePerMinute = 0.0; // absorbance change per minute of the whole spectrum's bands, scaled
    double reactionWavelengthNm = 0.0;

    // Absorbance at a wavelength seen through a slit of the given bandwidth, `seconds` after the
    // sample entered the light path.
    double absorbance(double wavelengthNm, double slitNm, double seconds) const;
};

// Samples by name, for the settings file: "blank", "holmium", "dichromate20", "dichromate40",
// "dichromate60", "dichromate80", "nucleic", "reaction", "empty".
Sample namedSample(const std::string &name);

// The names namedSample() knows, for the settings panel.
const std::vector<std::string> &sampleNames();

// The default changer: blank, holmium oxide, a dichromate series, a nucleic-acid sample, a reaction
// at 340 nm, empty.
std::vector<std::string> defaultCellSamples();

} // namespace spectavo::sim
