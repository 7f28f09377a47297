#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace spectavo::grid {

// A table of text cells: what the grid control shows and what documents keep as the single source of
// truth. Numbers live here as their formatted text, so an export, a saved file and a printed report
// read exactly what the operator sees. No Qt: the rules around a table are tested without a display.
class GridModel {
public:
    static constexpr int kDefaultWidthTwips = 1200;

    GridModel(int rows = 0, int columns = 0);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Grows or shrinks the table; cells inside both sizes keep their text.
    void resize(int rows, int columns);

    // The first rows and columns are headers that never scroll or take the current cell.
    int fixedRows() const { return m_fixedRows; }
    int fixedColumns() const { return m_fixedColumns; }
    void setFixed(int rows, int columns);

    // Out of range reads give an empty text and writes are refused (false), never a crash.
    const std::string &text(int row, int column) const;
    bool setText(int row, int column, std::string text);
    std::vector<std::string> rowTexts(int row) const;
    void clearRow(int row);
    // The cell's text read as a number; nothing when it is empty or not a number.
    std::optional<double> number(int row, int column) const;

    // Widths in twips (1/1440 inch), as layouts and saved settings state them.
    int columnWidthTwips(int column) const;
    void setColumnWidthTwips(int column, int twips);
    bool rightAligned(int column) const;
    void setRightAligned(int column, bool right);

    // The current cell is always a scrolling cell, or none (-1) in an empty table.
    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    bool setCurrentCell(int row, int column);
    // The selected row, or -1; selecting -1 clears it.
    int selectedRow() const { return m_selectedRow; }
    void selectRow(int row);

    // Called after a cell's text changes (row, column) or the table's shape does (-1, -1).
    void setChangeListener(std::function<void(int row, int column)> listener) {
        m_listener.call = std::move(listener);
    }

private:
    bool inside(int row, int column) const;
    void changed(int row, int column) const;
    void keepSelectionInside();

    int m_rows = 0;
    int m_columns = 0;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    std::vector<std::string> m_cells; // row-major
    std::vector<int> m_widths;
    std::vector<bool> m_rightAligned;
    int m_currentRow = -1;
    int m_currentColumn = -1;
    int m_selectedRow = -1;
    // A copy of a table is a new table: nobody listens to it yet.
    struct Listener {
        std::function<void(int, int)> call;
        Listener() = default;
        Listener(const Listener &) {}
        Listener &operator=(const Listener &) { return *this; }
    };
    Listener m_listener;
};

} // namespace spectavo::grid
