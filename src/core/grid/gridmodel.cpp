#include "core/grid/gridmodel.h"

#include <algorithm>

#include "core/strings/cformat.h"

namespace spectavo::grid {
namespace {
const std::string kNoText;
} // namespace

GridModel::GridModel(int rows, int columns) {
    resize(rows, columns);
}

void GridModel::resize(int rows, int columns) {
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    for (int r = 0; r < std::min(rows, m_rows); ++r)
        for (int c = 0; c < std::min(columns, m_columns); ++c)
            cells[static_cast<std::size_t>(r * columns + c)] =
                std::move(m_cells[static_cast<std::size_t>(r * m_columns + c)]);
    m_cells = std::move(cells);
    m_rows = rows;
    m_columns = columns;
    m_widths.resize(static_cast<std::size_t>(columns), kDefaultWidthTwips);
    m_rightAligned.resize(static_cast<std::size_t>(columns), false);
    m_fixedRows = std::min(m_fixedRows, rows);
    m_fixedColumns = std::min(m_fixedColumns, columns);
    keepSelectionInside();
    changed(-1, -1);
}

void GridModel::setFixed(int rows, int columns) {
    m_fixedRows = std::clamp(rows, 0, m_rows);
    m_fixedColumns = std::clamp(columns, 0, m_columns);
    keepSelectionInside();
    changed(-1, -1);
}

bool GridModel::inside(int row, int column) const {
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

const std::string &GridModel::text(int row, int column) const {
    return inside(row, column) ? m_cells[static_cast<std::size_t>(row * m_columns + column)] : kNoText;
}

bool GridModel::setText(int row, int column, std::string text) {
    if (!inside(row, column))
        return false;
    m_cells[static_cast<std::size_t>(row * m_columns + column)] = std::move(text);
    changed(row, column);
    return true;
}

std::vector<std::string> GridModel::rowTexts(int row) const {
    std::vector<std::string> texts;
    for (int c = 0; c < m_columns && row >= 0 && row < m_rows; ++c)
        texts.push_back(text(row, c));
    return texts;
}

void GridModel::clearRow(int row) {
    for (int c = 0; c < m_columns; ++c)
        setText(row, c, {});
}

std::optional<double> GridModel::number(int row, int column) const {
    const std::string &cell = text(row, column);
    const std::size_t start = cell.find_first_not_of(' ');
    if (start == std::string::npos)
        return std::nullopt;
    std::size_t used = 0;
    const double value = strings::scanDoubleC(std::string_view(cell).substr(start), &used);
    if (used == 0 || cell.find_first_not_of(' ', start + used) != std::string::npos)
        return std::nullopt;
    return value;
}

int GridModel::columnWidthTwips(int column) const {
    return column >= 0 && column < m_columns ? m_widths[static_cast<std::size_t>(column)] : 0;
}

void GridModel::setColumnWidthTwips(int column, int twips) {
    if (column < 0 || column >= m_columns)
        return;
    m_widths[static_cast<std::size_t>(column)] = std::max(twips, 0);
    changed(-1, -1);
}

bool GridModel::rightAligned(int column) const {
    return column >= 0 && column < m_columns && m_rightAligned[static_cast<std::size_t>(column)];
}

void GridModel::setRightAligned(int column, bool right) {
    if (column < 0 || column >= m_columns)
        return;
    m_rightAligned[static_cast<std::size_t>(column)] = right;
    changed(-1, -1);
}

bool GridModel::setCurrentCell(int row, int column) {
    if (!inside(row, column) || row < m_fixedRows || column < m_fixedColumns)
        return false;
    m_currentRow = row;
    m_currentColumn = column;
    return true;
}

void GridModel::selectRow(int row) {
    m_selectedRow = row >= m_fixedRows && row < m_rows ? row : -1;
}

void GridModel::keepSelectionInside() {
    if (!inside(m_currentRow, m_currentColumn) || m_currentRow < m_fixedRows ||
        m_currentColumn < m_fixedColumns) {
        const bool any = m_rows > m_fixedRows && m_columns > m_fixedColumns;
        m_currentRow = any ? m_fixedRows : -1;
        m_currentColumn = any ? m_fixedColumns : -1;
    }
    if (m_selectedRow >= m_rows || m_selectedRow < m_fixedRows)
        m_selectedRow = -1;
}

void GridModel::changed(int row, int column) const {
    if (m_listener.call)
        m_listener.call(row, column);
}

} // namespace spectavo::grid
