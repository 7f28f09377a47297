#include "app/scan/peaklistmodel.h"

#include <QPainter>
#include <QPixmap>

#include "app/widgets/uitext.h"

namespace spectavo::app {
namespace {

QIcon markIcon(scan::PeakListRow::Kind kind) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    switch (kind) {
    case scan::PeakListRow::Kind::Peak:
        painter.setBrush(QColor(200, 0, 0));
        painter.drawPolygon(QPolygonF({QPointF(8, 2), QPointF(14, 13), QPointF(2, 13)}));
        break;
    case scan::PeakListRow::Kind::Valley:
        painter.setBrush(QColor(0, 0, 200));
        painter.drawPolygon(QPolygonF({QPointF(2, 3), QPointF(14, 3), QPointF(8, 14)}));
        break;
    case scan::PeakListRow::Kind::Other:
        painter.setBrush(QColor(128, 128, 128));
        painter.drawEllipse(QPointF(8, 8), 3, 3);
        break;
    }
    return QIcon(pixmap);
}

} // namespace

CPeakListModel::CPeakListModel(QObject *parent)
    : QAbstractTableModel(parent), m_icons{markIcon(scan::PeakListRow::Kind::Peak),
                                           markIcon(scan::PeakListRow::Kind::Valley),
                                           markIcon(scan::PeakListRow::Kind::Other)} {}

void CPeakListModel::show(scan::PeakListRows rows, const QStringList &headings) {
    beginResetModel();
    m_rows = std::move(rows);
    m_headings = headings;
    endResetModel();
}

void CPeakListModel::setHeadings(const QStringList &headings) {
    m_headings = headings;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void CPeakListModel::clear() {
    show({}, m_headings);
}

int CPeakListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CPeakListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant CPeakListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_rows.size())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DecorationRole)
        return index.column() == 0 ? QVariant(m_icons[static_cast<int>(m_rows.kindAt(row))]) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    const scan::PeakListRow texts = m_rows.at(row);
    switch (index.column()) {
    case 0:
        return QString::fromStdString(texts.position);
    case 1:
        return QString::fromStdString(texts.value);
    default:
        return ui(texts.remark);
    }
}

QVariant CPeakListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headings.size())
        return {};
    return m_headings.at(section);
}

} // namespace spectavo::app
