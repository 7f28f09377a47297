#pragma once

#include <QDialog>

#include "core/program/sharedsettings.h"
#include "core/scan/time/kinesetup.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Setup kinetic scan": wavelength, total time and step. Read-only (OK disabled) unless the
// instrument is free; OK stores the parameters, and the window then moves to the wavelength.
class CKineSetup : public QDialog {
public:
    CKineSetup(program::KineticsSettings &parameters, float currentWavelength, scan::KineSetupLimits limits,
               bool editable, QWidget *parent = nullptr);
    void accept() override;

private:
    program::KineticsSettings &m_parameters;
    scan::KineSetupLimits m_limits;
    QLineEdit *m_lambda;
    QSpinBox *m_totalTime;
    QComboBox *m_step;
};

} // namespace spectavo::app
