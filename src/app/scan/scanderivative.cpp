#include "app/scan/scanderivative.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/scan/mathdialogform.h"
#include "app/widgets/uitext.h"

namespace spectavo::app {

CScanDerivative::CScanDerivative(const QString &resultName, int colourIndex, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(ui("Derivative"));
    m_order = spinBox(1, 10, 1, "order");
    m_name = new QLineEdit(resultName);
    m_name->setObjectName("name");
    MathDialogForm form(this);
    form.row(ui("&Class"), m_order);
    m_colour = form.colourRow(colourIndex, ui("Colo&r"));
    form.row(ui("&Name"), m_name);
    form.buttons();
}

int CScanDerivative::order() const {
    return m_order->value();
}

int CScanDerivative::colourIndex() const {
    return m_colour ? m_colour->currentIndex() : -1;
}

QString CScanDerivative::resultName() const {
    return m_name->text();
}

} // namespace spectavo::app
