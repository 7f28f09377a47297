#include "app/scan/time/kinesetupdialog.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/strings/cformat.h"

namespace spectavo::app {

CKineSetup::CKineSetup(program::KineticsSettings &parameters, float currentWavelength,
                       scan::KineSetupLimits limits, bool editable, QWidget *parent)
    : QDialog(parent), m_parameters(parameters), m_limits(limits) {
    setWindowTitle(ui("Setup kinetic scan"));
    m_lambda =
        new QLineEdit(QString::fromStdString(strings::formatC("%g", static_cast<double>(currentWavelength))));
    m_lambda->setObjectName("lambda");
    m_totalTime = new QSpinBox;
    m_totalTime->setObjectName("totalTime");
    m_totalTime->setRange(1, scan::kTotalTimeSpinMax);
    // The stored value may have been edited by hand: shown within the spin box's range.
    const double total = std::isfinite(parameters.totalTime) ? parameters.totalTime : 1.0;
    m_totalTime->setValue(static_cast<int>(std::clamp(total, 1.0, double(scan::kTotalTimeSpinMax))));
    m_step = new QComboBox;
    m_step->setObjectName("step");
    const std::vector<std::string> choices =
        scan::kineStepChoices(ProfileFile(program::KineticsSettings::kFileName, true));
    for (const std::string &choice : choices)
        m_step->addItem(QString::fromStdString(choice));
    m_step->setCurrentIndex(static_cast<int>(scan::initialStepChoice(choices, parameters.step)));

    auto *form = new QFormLayout(this);
    form->addRow(ui("&Lambda"), m_lambda);
    form->addRow(ui("&Total Time"), m_totalTime);
    form->addRow(ui("Ste&p"), m_step);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(editable);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CKineSetup::accept() {
    bool number = false;
    const float lambda = m_lambda->text().trimmed().toFloat(&number);
    const scan::KineSetupCheck check = scan::checkKineSetup(
        {number ? lambda : -1.0f, m_totalTime->text().toStdString(), m_step->currentText().toStdString()},
        m_limits);
    if (!check.accepted) {
        messages().show("Spectavo", check.refusal, shell::MessageService::Icon::Warning);
        return;
    }
    m_parameters.wavelength = check.accepted->wavelength;
    m_parameters.totalTime = check.accepted->totalTime;
    m_parameters.step = check.accepted->step;
    QDialog::accept();
}

} // namespace spectavo::app
