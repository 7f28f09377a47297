#pragma once

#include <QDialog>

#include "core/scan/displayrange.h"

class QCheckBox;
class QLineEdit;

namespace spectavo::app {

// "Display Range Setup": the chart's ranges in the current mode and its manual tick intervals; a time
// axis takes whole seconds.
class CDisplayRangeDialog : public QDialog {
public:
    CDisplayRangeDialog(scan::DisplayHistory &display, const scan::BaseScales &base, bool absorbance,
                        QWidget *parent = nullptr);
    void accept() override;

private:
    scan::DisplayHistory &m_display;
    bool m_absorbance;
    bool m_timeAxis = false;
    float m_xLow = 0.0f, m_xHigh = 0.0f;
    QLineEdit *m_xMin, *m_xMax, *m_yMin, *m_yMax, *m_xInterval, *m_yInterval;
    QCheckBox *m_manual;
};

} // namespace spectavo::app
