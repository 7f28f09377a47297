#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/config/profilestore.h"
#include "core/fixed/fixedmethod.h"
#include "core/fixed/sampletable.h"

namespace spectavo::fixed {

// The DNA/protein methods of the configuration file, by name, and the names of the three results.
// Read afresh on each use: editing the file changes them for the next page, readout or header.
struct DnaMethodList {
    std::vector<std::string> names;
    std::array<std::string, 3> resultNames;

    static DnaMethodList read(const ProfileStore &file);
};

// Method `index` of the list (section "Method <index + 1>") into the record: factors f1 .. f4 as
// K0 .. K3 and the three wavelengths. A method without a section gives 1.0 and 260.0.
void applyDnaMethod(const ProfileStore &file, int index, FixedMethodRecord &method);

// The results of one sample from its blank-corrected absorbances at lambda1, lambda2 and, with the
// reference, lambda-ref.
struct DnaResults {
    float dna = 0.0f;
    float protein = 0.0f;
    float ratio = 0.0f;
};
DnaResults dnaResults(std::span<const float> absorbances, const std::array<float, 4> &factors);

// The DNA/protein table: names, one column per wavelength, the three results.
void layoutDnaTable(SampleTable &table, const FixedMethodRecord &method,
                    const std::array<std::string, 3> &resultNames, bool withNames);
// The results into data row `row`.
void writeDnaResults(SampleTable &table, const FixedMethodRecord &method, int row, const DnaResults &results);

} // namespace spectavo::fixed
