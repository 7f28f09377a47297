#include "app/scan/sysmathsavgol.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "app/scan/mathdialogform.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/scan/smoothingsettings.h"
#include "core/strings/cformat.h"

namespace spectavo::app {

CSysMathSavGol::CSysMathSavGol(const QString &resultName, int colourIndex, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(ui("Setup the Savitzky-Golay Filter"));
    m_degree = spinBox(1, 10, 4, "degree");
    m_derivative = spinBox(0, 10, 0, "derivative");
    m_width = spinBox(1, scan::SmoothingSettings::kMaxHalfWidth, 5, "width");
    m_name = new QLineEdit(resultName);
    m_name->setObjectName("name");
    MathDialogForm form(this);
    form.row(ui("Degree of &Polynomials"), m_degree);
    form.row(ui("&Derivertive"), m_derivative);
    form.row(ui("&Width of Filter Windows"), m_width);
    m_colour = form.colourRow(colourIndex);
    form.row(ui("&Name of Result"), m_name);
    form.buttons();
}

// The derivative cannot exceed the degree, and the half-width must be at least half the degree.
void CSysMathSavGol::accept() {
    if (derivative() > degree()) {
        showRangeMessage(0, degree());
        m_derivative->setFocus();
        return;
    }
    if (halfWidth() < degree() / 2) {
        showRangeMessage(degree() / 2, scan::SmoothingSettings::kMaxHalfWidth);
        m_width->setFocus();
        return;
    }
    QDialog::accept();
}

int CSysMathSavGol::degree() const {
    return m_degree->value();
}

int CSysMathSavGol::derivative() const {
    return m_derivative->value();
}

int CSysMathSavGol::halfWidth() const {
    return m_width->value();
}

int CSysMathSavGol::colourIndex() const {
    return m_colour ? m_colour->currentIndex() : -1;
}

QString CSysMathSavGol::resultName() const {
    return m_name->text();
}

} // namespace spectavo::app
