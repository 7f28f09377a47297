#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/link/stationrecords.h"

namespace spectavo::shell {

// "System Status": the health of each assembly as texts. A value outside -1, 0 and 1 keeps the text
// shown before.
class StatusWindowModel {
public:
    static constexpr std::size_t kFields = 10;
    using Field = std::pair<std::string, std::string>; // label, text

    StatusWindowModel();
    void refresh(const link::StationStatus &status);
    const std::array<Field, kFields> &fields() const { return m_fields; }

private:
    std::array<Field, kFields> m_fields;
};

// The dark (background) current table: a header row, then one row per level; columns Level, Sample,
// and Refrence when the instrument has a second channel.
class DarkCurrentTable {
public:
    explicit DarkCurrentTable(int channels = 1);
    void reset(int channels);
    void setLevelCount(int count);
    void setLevel(int level, int sample, int reference);
    std::size_t rows() const { return m_cells.size(); }
    std::size_t columns() const { return m_columns; }
    const std::string &cell(std::size_t row, std::size_t column) const { return m_cells[row][column]; }

    // "%5d %5d\n" rows and columns, then each row's cells followed by a blank, a line feed per row.
    std::string fileText() const;
    // Reads a saved table; false (the table unchanged) when the text is not one.
    bool loadFileText(std::string_view text);

private:
    std::size_t m_columns = 3;
    std::vector<std::vector<std::string>> m_cells;
};

} // namespace spectavo::shell
