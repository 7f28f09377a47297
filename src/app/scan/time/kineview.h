#pragma once

#include <map>

#include "app/scan/chartview.h"
#include "core/scan/recordlist.h"
#include "core/scan/time/kinespectrum.h"

namespace spectavo::app {

// A time-scan curve as the chart shows it: the points held so far (while sampled) or all of them.
ChartSeries chartSeriesOf(const scan::CKineSpectrum &curve);

// The chart pane of a time-scan window: its curves against time in seconds.
class CKineView : public CChartView {
public:
    CKineView(scan::RecordList<scan::CKineSpectrum> &curves, scan::DisplayHistory &display,
              const bool &absorbance, QWidget *parent = nullptr)
        : CChartView(display, absorbance, parent), m_curves(curves) {}

    // Shows the time the running scan has reached ("Time:%.1fs").
    std::function<void(const std::string &)> onTimeReached = [](const std::string &) {};

protected:
    void fillScene(SpectrumChartScene &scene) const override;
    void markAllDrawn() override;
    std::vector<Segment> takeNewSegments() override;
    std::optional<ChartSeries> traceable() const override;
    std::optional<int> snapCursor(double x, const scan::CDisplayRange &range) const override;

private:
    scan::RecordList<scan::CKineSpectrum> &m_curves;
    // Per curve being measured, the last point the chart has drawn; each tick draws on from it.
    std::map<const scan::CKineSpectrum *, int> m_drawnUpTo;
};

} // namespace spectavo::app
