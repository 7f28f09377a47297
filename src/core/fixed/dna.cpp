#include "core/fixed/dna.h"

#include <algorithm>

#include "core/strings/cformat.h"

namespace spectavo::fixed {

DnaMethodList DnaMethodList::read(const ProfileStore &file) {
    DnaMethodList list;
    // A method list longer than anyone keeps is a damaged file: the first thousand are enough.
    const int count = std::clamp(file.GetInt("Method", "Num", 0), 0, 1000);
    for (int i = 1; i <= count; ++i)
        list.names.push_back(file.GetString(strings::formatC("Method %d", i), "Name", "Method", 100));
    for (int i = 0; i < 3; ++i)
        list.resultNames[static_cast<std::size_t>(i)] =
            file.GetStringAt("Result", "Name", i + 1, "C-DNA", 100);
    return list;
}

void applyDnaMethod(const ProfileStore &file, int index, FixedMethodRecord &method) {
    const std::string section = strings::formatC("Method %d", index + 1);
    for (int i = 0; i < FixedMethodRecord::kCoefficients; ++i)
        method.coefficients[static_cast<std::size_t>(i)] = file.GetFloatAt(section, "f", i + 1, "1.0");
    for (int i = 0; i < 3; ++i)
        method.wavelengths[static_cast<std::size_t>(i)] = file.GetFloatAt(section, "WL", i + 1, "260.0");
}

DnaResults dnaResults(std::span<const float> absorbances, const std::array<float, 4> &factors) {
    if (absorbances.size() < 2)
        return {};
    float a1 = absorbances[0];
    float a2 = absorbances[1];
    if (absorbances.size() >= 3) {
        a1 -= absorbances[2];
        a2 -= absorbances[2];
    }
    DnaResults results;
    results.dna = factors[0] * a1 - factors[1] * a2;
    results.protein = factors[2] * a2 - factors[3] * a1;
    results.ratio = a2 != 0.0f ? a1 / a2 : 0.0f;
    return results;
}

void layoutDnaTable(SampleTable &table, const FixedMethodRecord &method,
                    const std::array<std::string, 3> &resultNames, bool withNames) {
    table.layoutFixedPoints(method, withNames, 3);
    grid::GridModel &grid = table.grid();
    const int first = grid.columns() - 3;
    for (int i = 0; i < 3; ++i) {
        grid.setText(0, first + i, resultNames[static_cast<std::size_t>(i)]);
        grid.setColumnWidthTwips(first + i, i == 2 ? 1400 : 1200);
        grid.setRightAligned(first + i, true);
    }
}

void writeDnaResults(SampleTable &table, const FixedMethodRecord &method, int row,
                     const DnaResults &results) {
    const int first = std::clamp(method.count, 1, method.capacity) + 1;
    const float values[] = {results.dna, results.protein, results.ratio};
    for (int i = 0; i < 3; ++i)
        table.grid().setText(row + 1, first + i, strings::formatC("%.4f", static_cast<double>(values[i])));
}

} // namespace spectavo::fixed
