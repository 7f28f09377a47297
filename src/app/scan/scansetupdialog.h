#pragma once

#include <QDialog>

#include "core/scan/wave/scansettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Scan Setup": range, step, filter and smoothing of the wavelength scans. Opened with OK disabled
// when the instrument is not ready, so the settings can be seen but not changed.
class CScanSetupDialog : public QDialog {
public:
    CScanSetupDialog(scan::ScanSettings &settings, bool instrumentReady, QWidget *parent = nullptr);
    void accept() override;

private:
    scan::ScanSettings &m_settings;
    float m_limitLow;
    float m_limitHigh;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QComboBox *m_step;
    QComboBox *m_filter;
    QCheckBox *m_useFilter;
    QSpinBox *m_degree;
    QSpinBox *m_width;
};

} // namespace spectavo::app
