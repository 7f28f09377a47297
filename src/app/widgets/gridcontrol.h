#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>

#include "core/grid/gridmodel.h"

namespace spectavo::app {

// The colour a verdict reads in at a glance: "Fail" red, "Pass" green; none for other texts.
std::optional<QColor> verdictColour(const std::string &text);

// Shows a grid::GridModel to Qt: the fixed rows and columns become the headers, the rest the cells.
class GridTableAdapter : public QAbstractTableModel {
public:
    explicit GridTableAdapter(grid::GridModel &grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    void setEditable(bool editable) { m_editable = editable; }
    // The model's row and column of a view index, and back.
    int gridRow(int viewRow) const { return viewRow + m_grid.fixedRows(); }
    int gridColumn(int viewColumn) const { return viewColumn + m_grid.fixedColumns(); }
    void gridChanged(int row, int column);
    // Cells shown in a warning colour with `why` as their tip (grid rows of one grid column).
    void markCells(std::vector<int> rows, int column, const QString &why);

private:
    bool marked(int row, int column) const;

    grid::GridModel &m_grid;
    bool m_editable = false;
    std::vector<int> m_markedRows;
    int m_markedColumn = -1;
    QString m_markedWhy;
};

// The grid control of the measurement windows and dialogs: text cells over a grid::GridModel, which
// stays the single source of truth. Widths come from the model in twips.
class CGridControl : public QTableView {
public:
    explicit CGridControl(grid::GridModel &grid, QWidget *parent = nullptr);
    ~CGridControl() override;

    grid::GridModel &grid() { return m_grid; }
    void setEditable(bool editable);
    void markCells(std::vector<int> rows, int column, const QString &why) {
        m_adapter.markCells(std::move(rows), column, why);
    }
    // Pixels for twips on this widget's screen.
    int twipsToPixels(int twips) const;

private:
    void applyLayout();
    void showCurrentCell();
    // The width that shows a column's heading whole.
    int headingWidth(int column) const;

    grid::GridModel &m_grid;
    GridTableAdapter m_adapter;
};

} // namespace spectavo::app
