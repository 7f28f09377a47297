#include "app/scan/scanresample.h"

#include "app/scan/mathdialogform.h"
#include "app/widgets/uitext.h"

namespace spectavo::app {

CScanResample::CScanResample(QWidget *parent) : QDialog(parent) {
    setWindowTitle(ui("Resample the spectrum"));
    m_factor = spinBox(1, 100, 1, "factor");
    m_factor->setSuffix(ui(" points"));
    MathDialogForm form(this);
    form.row(ui("Make one point every"), m_factor);
    form.buttons();
}

int CScanResample::factor() const {
    return m_factor->value();
}

} // namespace spectavo::app
