#pragma once

#include <QTreeWidget>

#include "core/scan/peaklist.h"

namespace spectavo::app {

// The peak list pane: the current spectrum's peaks and valleys, or all its points when neither switch
// is on.
class CScanListView : public QTreeWidget {
public:
    explicit CScanListView(QWidget *parent = nullptr);
    // Nothing happens for no spectrum or one still being acquired.
    void refill(const CWaveSpectrum *spectrum, bool absorbance, bool showPeaks, bool showValleys);
    // The same for a time-scan curve, which also needs its markers.
    void refill(const CKineSpectrum *curve, bool absorbance, bool showPeaks, bool showValleys);
    // The width that shows every column whole.
    int naturalWidth() const;

private:
    void showRows(const std::vector<scan::PeakListRow> &rows, const QStringList &headings);
    void fitColumns();
    // A column's width: the stated one, wider only where its texts or the icon need more.
    int columnNeed(int column) const;
};

} // namespace spectavo::app
