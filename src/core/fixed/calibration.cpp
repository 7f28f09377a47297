#include "core/fixed/calibration.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/dataproc/linefit.h"
#include "core/dataproc/polyfit.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {
namespace {

// The whole cell as a number; a cell that is not one takes no part in a calibration.
std::optional<float> wholeNumber(const std::string &text) {
    std::size_t used = 0;
    const float value = strings::scanFloatC(text, &used);
    if (used == 0 || text.find_first_not_of(" \t", used) != std::string::npos || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> cellValue(const SampleTable &table, int row, int column) {
    return wholeNumber(table.grid().text(row, column));
}

} // namespace

std::optional<float> effectiveAbsorbance(std::span<const float> values, std::span<const float> wavelengths) {
    switch (values.size()) {
    case 1:
        return values[0];
    case 2:
        return std::fabs(values[1] - values[0]);
    case 3: {
        if (wavelengths.size() < 3)
            return std::nullopt;
        const float a = wavelengths[0] - wavelengths[1];
        const float b = wavelengths[1] - wavelengths[2];
        const float baseline = (a * values[2] + b * values[0]) / (a + b);
        return std::fabs(values[1] - baseline);
    }
    default:
        return std::nullopt;
    }
}

float concentrationOf(const std::array<float, FixedMethodRecord::kCoefficients> &k, float effective) {
    return dataproc::evaluatePolynomial(k, effective);
}

int standardsNeeded(int methodIndex) {
    return std::clamp(methodIndex, 0, 2) + 2;
}

std::string calibrationMissingText(int methodIndex) {
    return strings::trFormat("Calibration not computed: it needs %d standards with different Abs(eff).",
                             standardsNeeded(methodIndex));
}

std::optional<Calibration> fitCalibration(std::span<const float> effective,
                                          std::span<const float> concentration, int methodIndex) {
    const auto line = dataproc::fitStraightLine(effective, concentration);
    if (!line)
        return std::nullopt;
    Calibration calibration;
    const auto count = static_cast<std::size_t>(standardsNeeded(methodIndex));
    if (!dataproc::fitPolynomial(effective, concentration, std::span(calibration.coefficients).first(count)))
        return std::nullopt;
    calibration.r = line->r;
    return calibration;
}

int effectiveColumn(const FixedMethodRecord &method) {
    return std::clamp(method.count, 1, method.capacity) + 1;
}

int concentrationColumn(const FixedMethodRecord &method) {
    return effectiveColumn(method) + 1;
}

bool concentrationMode(const FixedMethodRecord &method) {
    return method.concentration != 0 && method.count >= 1 && method.count <= 3;
}

void layoutConcentrationColumns(SampleTable &table, const FixedMethodRecord &method,
                                const std::optional<std::string> &unitHeader) {
    grid::GridModel &grid = table.grid();
    const int effective = effectiveColumn(method);
    if (grid.columns() != effective + 2)
        table.layoutFixedPoints(method, false, 2);
    for (int column : {effective, effective + 1}) {
        grid.setColumnWidthTwips(column, 1200);
        grid.setRightAligned(column, true);
    }
    if (unitHeader) {
        grid.setText(0, effective, SPECTAVO_TEXT("Abs(eff)"));
        grid.setText(0, effective + 1, *unitHeader);
    }
}

bool recalculateStandards(SampleTable &table, FixedMethodRecord &method) {
    std::vector<float> x;
    std::vector<float> y;
    const int effective = effectiveColumn(method);
    for (int row = 1; row <= table.rowCount(); ++row) {
        const auto a = cellValue(table, row, effective);
        const auto c = cellValue(table, row, effective + 1);
        if (a && c) {
            x.push_back(*a);
            y.push_back(*c);
        }
    }
    const auto calibration = fitCalibration(x, y, method.methodIndex);
    if (!calibration)
        return false;
    method.coefficients = calibration->coefficients;
    method.correlation = calibration->r;
    method.calibrationSource = CalibrationSource::Standards;
    table.setModified(true);
    return true;
}

std::optional<std::string>
sampleConcentrationText(const std::array<float, FixedMethodRecord::kCoefficients> &coefficients,
                        const std::string &effectiveText) {
    const auto value = wholeNumber(effectiveText);
    if (!value)
        return std::nullopt;
    return strings::formatC("%.4f", static_cast<double>(concentrationOf(coefficients, *value)));
}

void recalculateSamples(SampleTable &table, const FixedMethodRecord &method) {
    const int effective = effectiveColumn(method);
    for (int row = 1; row <= table.rowCount(); ++row)
        if (const auto text = sampleConcentrationText(method.coefficients, table.grid().text(row, effective)))
            table.grid().setText(row, effective + 1, *text);
    table.setModified(true);
}

std::vector<int> staleConcentrationRows(const SampleTable &table, const FixedMethodRecord &method) {
    std::vector<int> stale;
    if (table.standard() || !concentrationMode(method) ||
        table.grid().columns() != concentrationColumn(method) + 1)
        return stale;
    const int effective = effectiveColumn(method);
    for (int row = 1; row <= table.rowCount(); ++row) {
        const auto expected = sampleConcentrationText(method.coefficients, table.grid().text(row, effective));
        if (expected && *expected != table.grid().text(row, effective + 1))
            stale.push_back(row);
    }
    return stale;
}

} // namespace spectavo::fixed
