#include "app/fixed/fixedresult.h"

#include "app/scan/measuredresult.h"
#include "core/strings/cformat.h"
#include "store/jsontext.h"

namespace spectavo::app {
namespace {

const char *kindOf(fixed::DocumentFamily family) {
    switch (family) {
    case fixed::DocumentFamily::DnaProtein:
        return "dna";
    case fixed::DocumentFamily::Validity:
        return "validity";
    case fixed::DocumentFamily::FixedPoints:
        break;
    }
    return "fixed";
}

std::vector<std::string> numberTexts(const float *values, int count) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(strings::formatC("%.4f", static_cast<double>(values[i])));
    return texts;
}

std::string rowObject(const fixed::SampleTable &table, int row) {
    if (row < 0 || row >= table.rowCount())
        return "{}";
    const grid::GridModel &grid = table.grid();
    std::string out = "{";
    for (int column = 0; column < grid.columns(); ++column) {
        if (out.size() > 1)
            out += ", ";
        out += store::jsonString(grid.text(0, column)) + ": " + store::jsonString(grid.text(row + 1, column));
    }
    return out + "}";
}

std::string rowsArray(const FixedReadoutResult &readout) {
    std::string out = "[";
    for (const int row : readout.rows) {
        if (!readout.table)
            break;
        if (out.size() > 1)
            out += ", ";
        out += rowObject(*readout.table, row);
    }
    return out + "]";
}

} // namespace

store::ResultRecord fixedReadoutResult(const FixedReadoutResult &readout) {
    const int read = static_cast<int>(readout.readings.size());
    const std::string data = store::jsonObjectOf({
        {"sample", store::jsonString(readout.sample)},
        {"wavelengths",
         store::jsonArray(numberTexts(readout.points.wavelengths.data(), readout.points.count))},
        {"blanks", store::jsonArray(numberTexts(readout.points.blanks.data(), readout.points.count))},
        {"readings", store::jsonArray(numberTexts(readout.readings.data(), read))},
        {"rows", rowsArray(readout)},
        {"verdict", store::jsonString(readout.verdict)},
    });
    return measuredResult(kindOf(readout.family), readout.state, readout.started, readout.sample,
                          readout.method, "json", data);
}

} // namespace spectavo::app
