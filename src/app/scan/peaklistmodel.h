#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>

#include "core/scan/peaklist.h"

namespace spectavo::app {

// The peak list pane's three columns over the listed points of one record: texts are made when a row
// is shown, never per point up front.
class CPeakListModel : public QAbstractTableModel {
public:
    explicit CPeakListModel(QObject *parent = nullptr);

    void show(scan::PeakListRows rows, const QStringList &headings);
    void setHeadings(const QStringList &headings);
    void clear();
    // The rows whose texts are the longest of their columns.
    std::vector<std::size_t> widestRows() const { return m_rows.widestRows(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    scan::PeakListRows m_rows;
    QStringList m_headings;
    QIcon m_icons[3]; // a peak, a valley, any other point
};

} // namespace spectavo::app
