#include "core/fixed/validity.h"

#include <algorithm>
#include <cmath>

#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {
namespace {

std::string tenthsText(std::int64_t tenths) {
    return strings::formatC("%.1fnm", static_cast<double>(tenths) / 10.0);
}

} // namespace

void ValidityData::loadStandards(const ProfileStore &configuration) {
    for (int i = 0; i < kValidityWavelengths; ++i)
        standards[static_cast<std::size_t>(i)] = configuration.GetFloatAt("Standard", "Standard", i + 1, "0");
}

void ValidityData::saveStandards(ProfileStore &configuration, int capacity) const {
    for (int i = 0; i < std::min(capacity, kValidityWavelengths); ++i)
        configuration.PutFloatAt("Standard", "Standard", i + 1, standards[static_cast<std::size_t>(i)]);
}

void ValidityData::clearScanBlanks() {
    for (auto &blanks : scanBlanks)
        blanks.fill(0.0f);
}

std::optional<std::size_t>
ValidityData::takeStandards(const std::array<std::string, kValidityWavelengths> &texts,
                            const std::array<bool, kValidityWavelengths> &inUse) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::size_t used = 0;
        const float value = strings::scanFloatC(texts[i], &used);
        if (used != 0 && used == texts[i].size())
            standards[i] = value;
        else if (inUse[i])
            return i;
    }
    return std::nullopt;
}

std::array<std::uint32_t, kScanPoints> scanPointTenths(float nominalNm) {
    const auto nominal = static_cast<std::int64_t>(std::llround(static_cast<double>(nominalNm) * 10.0));
    std::array<std::uint32_t, kScanPoints> tenths{};
    for (int k = 0; k < kScanPoints; ++k)
        tenths[static_cast<std::size_t>(k)] =
            static_cast<std::uint32_t>(std::max<std::int64_t>(nominal + 10 - k, 0));
    return tenths;
}

int highestPoint(std::span<const float> readings) {
    int highest = -1;
    float value = -1000.0f;
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (readings[i] > value) {
            value = readings[i];
            highest = static_cast<int>(i);
        }
    return highest;
}

void layoutValidityTable(SampleTable &table, const FixedMethodRecord &method, const ValidityData &data,
                         bool absorbanceMode, int &lastTest) {
    grid::GridModel &grid = table.grid();
    // One row per test wavelength at most: the rows come from the method, not from measuring.
    grid.resize(kValidityWavelengths + 1, 5);
    grid.setFixed(1, 1);
    const int test = method.methodIndex == kWavelengthTest ? kWavelengthTest : kPhotometricTest;
    const int count = std::clamp(method.count, 1, kValidityWavelengths);
    grid.setText(0, 0, "Wavelength");
    for (int i = 0; i < kValidityWavelengths; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (i >= count) {
            grid.setText(i + 1, 0, "");
            grid.setText(i + 1, 1, "");
            continue;
        }
        grid.setText(i + 1, 0, strings::formatC("%.1fnm", static_cast<double>(method.wavelengths[at])));
        if (test == kPhotometricTest)
            grid.setText(i + 1, 1, strings::formatC("%.4f", static_cast<double>(data.standards[at])));
        else if (lastTest != test)
            grid.setText(i + 1, 1, "");
    }
    for (int column = 0; column < 5; ++column) {
        grid.setColumnWidthTwips(column, 1700);
        grid.setRightAligned(column, column > 0);
    }
    if (test == kPhotometricTest) {
        grid.setText(0, 1, absorbanceMode ? "Abs(Std.)" : "T%(Std.)");
    } else {
        grid.setText(0, 1, SPECTAVO_TEXT("Peak Detected"));
    }
    grid.setText(0, 2, absorbanceMode ? "Abs(Detected)" : "T%(Detected)");
    grid.setText(0, 3, "Difference");
    grid.setText(0, 4, "Result");
    if (lastTest != test)
        for (int row = 1; row <= kValidityWavelengths; ++row)
            for (int column = 2; column <= 4; ++column)
                grid.setText(row, column, "");
    lastTest = test;
}

void writeWavelengthRow(SampleTable &table, int row, std::uint32_t nominalTenths, std::uint32_t peakTenths,
                        float peakReading, bool absorbanceMode) {
    grid::GridModel &grid = table.grid();
    table.setModified(true);
    grid.setText(row + 1, 2, photometricText(peakReading, absorbanceMode));
    grid.setText(row + 1, 1, tenthsText(peakTenths));
    grid.setText(
        row + 1, 3,
        tenthsText(static_cast<std::int64_t>(peakTenths) - static_cast<std::int64_t>(nominalTenths)));
}

void writePhotometricRows(SampleTable &table, std::span<const float> readings, const ValidityData &data,
                          bool absorbanceMode) {
    grid::GridModel &grid = table.grid();
    table.setModified(true);
    for (std::size_t c = 0; c < readings.size() && c < data.standards.size(); ++c) {
        const int row = static_cast<int>(c) + 1;
        const std::string shown = photometricText(readings[c], absorbanceMode);
        grid.setText(row, 2, shown);
        // What the operator sees is what is judged: the reading as written.
        const double detected = strings::scanDoubleC(shown);
        const double difference = detected - static_cast<double>(data.standards[c]);
        grid.setText(row, 3, strings::formatC(absorbanceMode ? "%.4f" : "%.2f", difference));
    }
}

void judgeRows(SampleTable &table, int count, int test, float tolerance) {
    grid::GridModel &grid = table.grid();
    const double limit = test == kWavelengthTest ? std::fabs(static_cast<double>(tolerance)) + 0.05
                                                 : std::fabs(static_cast<double>(tolerance));
    for (int row = 1; row <= std::min(count, kValidityWavelengths); ++row) {
        const std::string &difference = grid.text(row, 3);
        std::size_t used = 0;
        const double value = strings::scanDoubleC(difference, &used);
        if (used == 0) {
            grid.setText(row, 4, "");
            continue; // not measured
        }
        grid.setText(row, 4, std::fabs(value) < limit ? "Pass" : "Fail");
    }
    table.setModified(true);
}

std::string overallVerdict(const SampleTable &table, int count) {
    bool judged = false;
    for (int row = 1; row <= std::min(count, kValidityWavelengths); ++row) {
        const std::string &verdict = table.grid().text(row, 4);
        if (verdict == "Fail")
            return "Fail";
        judged = judged || verdict == "Pass";
    }
    return judged ? "Pass" : "";
}

std::string toleranceText(int test, float tolerance, bool absorbanceMode) {
    const double limit = std::fabs(static_cast<double>(tolerance));
    if (test == kWavelengthTest)
        return strings::formatC("%g nm", limit);
    return strings::formatC(absorbanceMode ? "%g Abs" : "%g %%T", limit);
}

} // namespace spectavo::fixed
