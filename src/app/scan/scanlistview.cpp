#include "app/scan/scanlistview.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "app/widgets/uitext.h"

namespace spectavo::app {
namespace {

// The three row icons: a peak, a valley, any other point.
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

CScanListView::CScanListView(QWidget *parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHeaderLabels({ui("Lambda(nm)"), ui("Abs"), ui("FWHM")});
    fitColumns();
}

// The need comes from the texts, never from the sections as they are: the last section stretches to
// fill the pane, and measuring it would widen the pane on every redraw.
int CScanListView::columnNeed(int column) const {
    constexpr int kStated[] = {70, 60, 40};
    return std::max({kStated[column], sizeHintForColumn(column), header()->sectionSizeHint(column)});
}

void CScanListView::fitColumns() {
    for (int column = 0; column < 3; ++column)
        header()->resizeSection(column, columnNeed(column));
}

void CScanListView::refill(const CWaveSpectrum *spectrum, bool absorbance, bool showPeaks, bool showValleys) {
    if (!spectrum || spectrum->acquiring.load())
        return;
    showRows(scan::peakListRows(*spectrum, absorbance, showPeaks, showValleys),
             {ui("Lambda(nm)"), ui(scan::peakListValueHeading(absorbance)), ui("FWHM")});
}

void CScanListView::refill(const CKineSpectrum *curve, bool absorbance, bool showPeaks, bool showValleys) {
    if (!curve || curve->acquiring.load() || curve->markers().empty())
        return;
    showRows(scan::kinePeakListRows(*curve, absorbance, showPeaks, showValleys),
             {ui("Time(s)"), ui(scan::peakListValueHeading(absorbance)), ui("Peak/Valley")});
}

void CScanListView::showRows(const std::vector<scan::PeakListRow> &rows, const QStringList &headings) {
    clear();
    setHeaderLabels(headings);
    const QIcon icons[] = {markIcon(scan::PeakListRow::Kind::Peak), markIcon(scan::PeakListRow::Kind::Valley),
                           markIcon(scan::PeakListRow::Kind::Other)};
    QList<QTreeWidgetItem *> items;
    for (const scan::PeakListRow &row : rows) {
        auto *item = new QTreeWidgetItem(
            {QString::fromStdString(row.wavelength), QString::fromStdString(row.value), ui(row.halfWidth)});
        item->setIcon(0, icons[static_cast<int>(row.kind)]);
        items.push_back(item);
    }
    addTopLevelItems(items);
    fitColumns();
}

int CScanListView::naturalWidth() const {
    // The vertical scroll bar takes its width from the columns when the list is long.
    int columns = 0;
    for (int column = 0; column < 3; ++column)
        columns += columnNeed(column);
    return columns + frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
}

} // namespace spectavo::app
