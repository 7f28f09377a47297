#include "app/scan/scanlistview.h"

#include <QHeaderView>
#include <QScrollBar>

#include "app/scan/peaklistmodel.h"
#include "app/widgets/uitext.h"

namespace spectavo::app {

CScanListView::CScanListView(QWidget *parent) : QTreeView(parent), m_model(new CPeakListModel(this)) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setModel(m_model);
    setHeaderLabels({ui("Lambda(nm)"), ui("Abs"), ui("FWHM")});
}

// The need comes from the texts, never from the sections as they are: the last section stretches to
// fill the pane, and measuring it would widen the pane on every redraw. Only the rows with the longest
// texts are measured: laying out every row's text costs more than the rest of opening a long spectrum.
int CScanListView::columnNeed(int column) const {
    constexpr int kStated[] = {70, 60, 40};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int texts = 0;
    for (const std::size_t row : m_model->widestRows()) {
        const QModelIndex index = m_model->index(static_cast<int>(row), column);
        texts = std::max(texts, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return std::max({kStated[column], texts, header()->sectionSizeHint(column)});
}

void CScanListView::fitColumns() {
    for (int column = 0; column < 3; ++column)
        header()->resizeSection(column, columnNeed(column));
}

void CScanListView::refill(const scan::CWaveSpectrum *spectrum, bool absorbance, bool showPeaks,
                           bool showValleys) {
    if (!spectrum || spectrum->acquiring.load())
        return;
    showRows(scan::PeakListRows::ofSpectrum(*spectrum, absorbance, showPeaks, showValleys),
             {ui("Lambda(nm)"), ui(scan::peakListValueHeading(absorbance)), ui("FWHM")});
}

void CScanListView::refill(const scan::CKineSpectrum *curve, bool absorbance, bool showPeaks,
                           bool showValleys) {
    if (!curve || curve->acquiring.load() || curve->markers().empty())
        return;
    showRows(scan::PeakListRows::ofCurve(*curve, absorbance, showPeaks, showValleys),
             {ui("Time(s)"), ui(scan::peakListValueHeading(absorbance)), ui("Peak/Valley")});
}

void CScanListView::clear() {
    m_model->clear();
}

void CScanListView::setHeaderLabels(const QStringList &headings) {
    m_model->setHeadings(headings);
    fitColumns();
}

void CScanListView::showRows(scan::PeakListRows rows, const QStringList &headings) {
    m_model->show(std::move(rows), headings);
    fitColumns();
}

int CScanListView::naturalWidth() const {
    // The vertical scroll bar takes its width from the columns when the list is long.
    int columns = 0;
    for (int column = 0; column < 3; ++column)
        columns += columnNeed(column);
    return columns + frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
}

int CScanListView::rowCount() const {
    return m_model->rowCount();
}

QString CScanListView::text(int row, int column) const {
    return m_model->index(row, column).data().toString();
}

QString CScanListView::heading(int column) const {
    return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

} // namespace spectavo::app
