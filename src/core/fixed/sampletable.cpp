#include "core/fixed/sampletable.h"

#include <algorithm>
#include <cmath>

#include "core/config/atomicfile.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {
namespace {

constexpr int kNameWidthTwips = 1700;
constexpr int kValueWidthTwips = 1200;

std::optional<double> cellNumber(const std::string &text) {
    std::size_t used = 0;
    const double value = strings::scanDoubleC(text, &used);
    // "nan" or "inf" in a hand-edited document is no reading: never converted, fitted or written.
    if (used == 0 || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string photometricText(float absorbance, bool absorbanceMode) {
    if (absorbanceMode)
        return strings::formatC("%.4f", static_cast<double>(absorbance));
    return strings::formatC("%.2f", std::pow(10.0, 2.0 - static_cast<double>(absorbance)));
}

SampleTable::SampleTable(bool standard) : m_grid(kRows + 1, 2), m_standard(standard) {
    m_grid.setFixed(1, 1);
}

void SampleTable::clearData(int firstColumn) {
    for (int row = 1; row < m_grid.rows(); ++row)
        for (int column = std::max(firstColumn, 0); column < m_grid.columns(); ++column)
            m_grid.setText(row, column, "");
    m_presets.fill(false);
    m_parked.clear();
}

void SampleTable::setRowCount(int rows) {
    m_rowCount = std::clamp(rows, 0, kRows);
}

bool SampleTable::preset(int row) const {
    return row >= 0 && row < kRows && m_presets[static_cast<std::size_t>(row)];
}

void SampleTable::setPreset(int row, bool preset) {
    if (row >= 0 && row < kRows)
        m_presets[static_cast<std::size_t>(row)] = preset;
}

std::string SampleTable::defaultName(int row) const {
    return strings::formatC(m_standard ? "Standard-%d" : "Sample-%d", row + 1);
}

std::string SampleTable::nameOf(int row) const {
    return m_grid.text(row + 1, 0).substr(0, kMaxNameLength);
}

std::optional<int> SampleTable::rowToModify(int firstSelectedGridRow) const {
    const int row = firstSelectedGridRow - 1;
    if (row < 0 || row >= m_rowCount)
        return std::nullopt;
    return row;
}

// Every later row moves up with its preset flag and the last rows are emptied, so nothing is read
// past the table and a preset stays with the standard it was made for.
bool SampleTable::deleteRows(int firstGridRow, int lastGridRow) {
    const int first = std::max(firstGridRow, 1);
    const int last = std::min(lastGridRow, m_rowCount);
    if (first > last)
        return false;
    const int removed = last - first + 1;
    const int columns = m_grid.columns();
    for (int row = first; row + removed <= kRows; ++row) {
        for (int column = 0; column < columns; ++column)
            m_grid.setText(row, column, m_grid.text(row + removed, column));
        setPreset(row - 1, preset(row + removed - 1));
    }
    for (int row = kRows - removed + 1; row <= kRows; ++row) {
        m_grid.clearRow(row);
        setPreset(row - 1, false);
    }
    // Columns kept aside lose the same rows, so they still line up with the names when they return.
    for (auto &[heading, cells] : m_parked) {
        cells.erase(cells.begin() + (first - 1), cells.begin() + last);
        cells.resize(kRows);
    }
    m_rowCount -= removed;
    return true;
}

namespace {

// A reading's text in the other photometric mode; a text that is no number stays as it is.
std::string convertedReading(const std::string &text, bool absorbanceNow) {
    const auto value = cellNumber(text);
    if (!value)
        return text;
    if (absorbanceNow)
        return strings::formatC("%.4f", *value != 0.0 ? 2.0 - std::log10(*value) : 5.0);
    return strings::formatC("%.2f", std::pow(10.0, 2.0 - *value));
}

} // namespace

void SampleTable::switchPhotometricMode(bool absorbanceNow, int wavelengthCount) {
    const int lastColumn = std::min(wavelengthCount, m_grid.columns() - 1);
    for (int row = 1; row <= m_rowCount; ++row)
        for (int column = 1; column <= lastColumn; ++column)
            m_grid.setText(row, column, convertedReading(m_grid.text(row, column), absorbanceNow));
    // Wavelength columns kept aside follow the mode too, so they return in it.
    for (auto &[heading, cells] : m_parked)
        if (heading.size() > 2 && heading.ends_with("nm"))
            for (std::string &cell : cells)
                cell = convertedReading(cell, absorbanceNow);
}

void SampleTable::writeMeasuredRow(int row, const std::string &name, std::span<const float> values,
                                   bool absorbance) {
    m_modified = true;
    setPreset(row, false);
    if (row >= m_rowCount)
        m_rowCount = std::min(m_rowCount + 1, kRows);
    m_grid.setText(row + 1, 0, name.substr(0, kMaxNameLength));
    for (std::size_t i = 0; i < values.size(); ++i)
        m_grid.setText(row + 1, static_cast<int>(i) + 1, photometricText(values[i], absorbance));
}

std::string SampleTable::exportText() const {
    std::string text;
    for (int row = 0; row <= m_rowCount; ++row) {
        for (int column = 0; column < m_grid.columns(); ++column)
            text += strings::formatC("%20s", m_grid.text(row, column).c_str());
        text += "\r\n";
    }
    return text;
}

bool SampleTable::exportText(const std::string &path) const {
    return writeFileAtomically(path, exportText());
}

void SampleTable::layoutFixedPoints(const FixedMethodRecord &method, bool withNames, int resultColumns) {
    const int count = std::clamp(method.count, 1, method.capacity);
    m_grid.resize(kRows + 1, count + 1 + std::max(resultColumns, 0));
    m_grid.setFixed(1, 1);
    m_grid.setText(0, 0, SPECTAVO_TEXT("Sample name"));
    m_grid.setColumnWidthTwips(0, kNameWidthTwips);
    m_grid.setRightAligned(0, false);
    for (int column = 1; column <= count; ++column) {
        m_grid.setText(
            0, column,
            strings::formatC("%.1fnm",
                             static_cast<double>(method.wavelengths[static_cast<std::size_t>(column - 1)])));
        m_grid.setColumnWidthTwips(column, kValueWidthTwips);
        m_grid.setRightAligned(column, true);
    }
    if (withNames)
        for (int row = 0; row < kRows; ++row)
            m_grid.setText(row + 1, 0, defaultName(row));
}

void SampleTable::parkColumns() {
    for (int column = 1; column < m_grid.columns(); ++column) {
        const std::string &heading = m_grid.text(0, column);
        if (heading.empty())
            continue;
        std::vector<std::string> cells(kRows);
        bool any = false;
        for (int row = 1; row <= kRows && row < m_grid.rows(); ++row) {
            cells[static_cast<std::size_t>(row - 1)] = m_grid.text(row, column);
            any = any || !cells[static_cast<std::size_t>(row - 1)].empty();
        }
        if (!any)
            continue;
        // The newest cells of a heading replace any kept before.
        std::erase_if(m_parked, [&heading](const auto &parked) { return parked.first == heading; });
        m_parked.emplace_back(heading, std::move(cells));
    }
}

void SampleTable::restoreColumns() {
    for (int column = 1; column < m_grid.columns(); ++column) {
        const std::string heading = m_grid.text(0, column);
        const auto parked = std::find_if(m_parked.begin(), m_parked.end(),
                                         [&heading](const auto &entry) { return entry.first == heading; });
        for (int row = 1; row <= kRows && row < m_grid.rows(); ++row)
            m_grid.setText(row, column,
                           parked != m_parked.end() ? parked->second[static_cast<std::size_t>(row - 1)]
                                                    : std::string());
        if (parked != m_parked.end())
            m_parked.erase(parked);
    }
}

} // namespace spectavo::fixed
