#pragma once

#include <array>

#include <QColor>
#include <QFont>
#include <QWidget>

#include "app/fixed/fixedpage.h"
#include "app/fixed/quan/quanchartscene.h"
#include "core/fixed/fixedmethod.h"
#include "core/fixed/quanchart.h"
#include "core/fixed/sampletable.h"

namespace spectavo::app {

class CQuanView;

// The calibration chart into any rectangle of any painter: the screen, a report, the clipboard. In
// print the texts keep the tick labels' colour.
void paintQuanChart(QPainter &painter, const QRectF &area, const QuanChartScene &scene, bool print = false);

// The chart window of the Fitting page.
class CQuanCurveView : public QWidget {
public:
    explicit CQuanCurveView(CQuanView &view, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    CQuanView &m_view;
};

// The Fitting page: the chart in a frame.
class CQuanCurve : public CFixedPage {
public:
    explicit CQuanCurve(CQuanView &view, QWidget *parent = nullptr);
    CQuanCurveView *chart() const { return m_chart; }
    void showData() override;

private:
    CQuanCurveView *m_chart;
};

} // namespace spectavo::app
