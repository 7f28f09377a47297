#include "app/widgets/gridcontrol.h"

#include <QColor>
#include <QHeaderView>
#include <QStyle>

#include <algorithm>

#include "app/widgets/uitext.h"

namespace spectavo::app {

std::optional<QColor> verdictColour(const std::string &text) {
    if (text == "Fail")
        return QColor(200, 0, 0);
    if (text == "Pass")
        return QColor(0, 128, 0);
    return std::nullopt;
}

GridTableAdapter::GridTableAdapter(grid::GridModel &grid, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid) {}

int GridTableAdapter::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_grid.rows() - m_grid.fixedRows();
}

int GridTableAdapter::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_grid.columns() - m_grid.fixedColumns();
}

QVariant GridTableAdapter::data(const QModelIndex &index, int role) const {
    const int row = gridRow(index.row());
    const int column = gridColumn(index.column());
    // Cells shown in the operator's language ("Pass", "Fail"); edited as stored, so that what is
    // saved stays what the document holds.
    if (role == Qt::DisplayRole)
        return ui(m_grid.text(row, column));
    if (role == Qt::EditRole)
        return QString::fromStdString(m_grid.text(row, column));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (m_grid.rightAligned(column) ? Qt::AlignRight : Qt::AlignLeft));
    if (role == Qt::ForegroundRole && marked(row, column))
        return QColor(200, 0, 0);
    if (role == Qt::ForegroundRole)
        if (const std::optional<QColor> verdict = verdictColour(m_grid.text(row, column)))
            return *verdict;
    if (role == Qt::ToolTipRole && marked(row, column))
        return m_markedWhy;
    return {};
}

bool GridTableAdapter::marked(int row, int column) const {
    return column == m_markedColumn && std::binary_search(m_markedRows.begin(), m_markedRows.end(), row);
}

void GridTableAdapter::markCells(std::vector<int> rows, int column, const QString &why) {
    std::sort(rows.begin(), rows.end());
    if (rows == m_markedRows && column == m_markedColumn && why == m_markedWhy)
        return;
    m_markedRows = std::move(rows);
    m_markedColumn = column;
    m_markedWhy = why;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::ToolTipRole});
}

QVariant GridTableAdapter::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    // Several fixed rows or columns show their texts one under the other.
    QStringList texts;
    if (orientation == Qt::Horizontal)
        for (int r = 0; r < m_grid.fixedRows(); ++r)
            texts << ui(m_grid.text(r, gridColumn(section))); // headings, in the operator's language
    else
        for (int c = 0; c < m_grid.fixedColumns(); ++c)
            texts << QString::fromStdString(m_grid.text(gridRow(section), c));
    return texts.join('\n');
}

Qt::ItemFlags GridTableAdapter::flags(const QModelIndex &index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return m_editable ? base | Qt::ItemIsEditable : base;
}

bool GridTableAdapter::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !m_editable)
        return false;
    return m_grid.setText(gridRow(index.row()), gridColumn(index.column()), value.toString().toStdString());
}

void GridTableAdapter::gridChanged(int row, int column) {
    if (row < 0 || column < 0) {
        beginResetModel();
        endResetModel();
        return;
    }
    if (row < m_grid.fixedRows() || column < m_grid.fixedColumns()) {
        emit headerDataChanged(row < m_grid.fixedRows() ? Qt::Horizontal : Qt::Vertical, 0,
                               std::max(rowCount(), columnCount()));
        return;
    }
    const QModelIndex cell = index(row - m_grid.fixedRows(), column - m_grid.fixedColumns());
    emit dataChanged(cell, cell);
}

CGridControl::CGridControl(grid::GridModel &grid, QWidget *parent)
    : QTableView(parent), m_grid(grid), m_adapter(grid) {
    setModel(&m_adapter);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_grid.setChangeListener([this](int row, int column) {
        m_adapter.gridChanged(row, column);
        if (row < 0)
            applyLayout();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            m_grid.setCurrentCell(m_adapter.gridRow(current.row()), m_adapter.gridColumn(current.column()));
    });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { m_grid.selectRow(m_adapter.gridRow(section)); });
    applyLayout();
}

CGridControl::~CGridControl() {
    m_grid.setChangeListener({});
}

void CGridControl::setEditable(bool editable) {
    m_adapter.setEditable(editable);
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed
                             : QAbstractItemView::NoEditTriggers);
}

int CGridControl::twipsToPixels(int twips) const {
    return twips * logicalDpiX() / 1440;
}

void CGridControl::applyLayout() {
    horizontalHeader()->setVisible(m_grid.fixedRows() > 0);
    verticalHeader()->setVisible(m_grid.fixedColumns() > 0);
    if (m_grid.fixedColumns() > 0) {
        int twips = 0;
        for (int c = 0; c < m_grid.fixedColumns(); ++c)
            twips += m_grid.columnWidthTwips(c);
        verticalHeader()->setFixedWidth(twipsToPixels(twips));
    }
    // A column is as wide as its layout says, and never narrower than its heading in the operator's
    // language: "DNA (ug/ml)" must not read "ONA (ug/ml".
    for (int c = m_grid.fixedColumns(); c < m_grid.columns(); ++c) {
        const int column = c - m_grid.fixedColumns();
        setColumnWidth(column, std::max(twipsToPixels(m_grid.columnWidthTwips(c)), headingWidth(column)));
    }
    showCurrentCell();
}

int CGridControl::headingWidth(int column) const {
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    int widest = 0;
    for (const QString &line :
         m_adapter.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // The header's own margins on both sides of the text.
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    return widest + 2 * margin + 4;
}

void CGridControl::showCurrentCell() {
    if (m_grid.currentRow() < 0)
        return;
    setCurrentIndex(m_adapter.index(m_grid.currentRow() - m_grid.fixedRows(),
                                    m_grid.currentColumn() - m_grid.fixedColumns()));
}

} // namespace spectavo::app
