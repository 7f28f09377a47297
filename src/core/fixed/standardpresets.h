#pragma once

#include <optional>
#include <string>

#include "core/fixed/fixedmethod.h"
#include "core/fixed/sampletable.h"

namespace spectavo::fixed {

// The name after this one: its trailing number plus one ("Standard-3" -> "Standard-4"), or 1 appended
// when it ends in no digits ("Blank" -> "Blank1").
std::string nextStandardName(const std::string &name);

// Presetting the standards still to be measured: each accepted name and concentration waits in the
// first row after the measured ones (and the rows already preset), flagged, until Start or the autorun
// measures it.
class StandardPresetting {
public:
    StandardPresetting(SampleTable &table, const FixedMethodRecord &method);

    // Whether another standard can be preset (the table has room).
    bool more() const { return m_row < SampleTable::kRows; }
    const std::string &suggestedName() const { return m_name; }
    double suggestedConcentration() const { return m_concentration; }
    // The operator accepted this standard: it is preset and the next suggestions follow from it.
    void accept(const std::string &name, double concentration);

private:
    SampleTable &m_table;
    int m_concentrationColumn;
    int m_row;
    std::string m_name;
    double m_concentration = 0.0;
    double m_previous = 0.0;
};

// Removes every preset: the rows get their default names back and an empty concentration.
void deletePresets(SampleTable &table);
bool anyPreset(const SampleTable &table);

} // namespace spectavo::fixed
