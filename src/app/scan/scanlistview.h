#pragma once

#include <QTreeView>

#include "core/scan/peaklist.h"

namespace spectavo::app {

class CPeakListModel;

// The peak list pane: the current spectrum's peaks and valleys, or all its points when neither switch
// is on.
class CScanListView : public QTreeView {
public:
    explicit CScanListView(QWidget *parent = nullptr);
    // Nothing happens for no spectrum or one still being acquired.
    void refill(const scan::CWaveSpectrum *spectrum, bool absorbance, bool showPeaks, bool showValleys);
    // The same for a time-scan curve, which also needs its markers.
    void refill(const scan::CKineSpectrum *curve, bool absorbance, bool showPeaks, bool showValleys);
    void clear();
    void setHeaderLabels(const QStringList &headings);
    // The width that shows every column whole.
    int naturalWidth() const;

    // What the pane shows, as the operator reads it.
    int rowCount() const;
    QString text(int row, int column) const;
    QString heading(int column) const;

private:
    void showRows(scan::PeakListRows rows, const QStringList &headings);
    void fitColumns();
    // A column's width: the stated one, wider only where its texts or the icon need more.
    int columnNeed(int column) const;

    CPeakListModel *m_model;
};

} // namespace spectavo::app
