#include "app/scan/scanderivative.h"

#include <QLineEdit>

#include "app/scan/mathdialogform.h"

namespace spectavo::app {

CScanDerivative::CScanDerivative(const QString &resultName, QWidget *parent) : QDialog(parent) {
    setWindowTitle("Derivative");
    m_order = spinBox(1, 10, 1, "order");
    m_name = new QLineEdit(resultName);
    m_name->setObjectName("name");
    MathDialogForm form(this);
    form.row("&Class", m_order);
    form.colourRow("Colo&r");
    form.row("&Name", m_name);
    form.buttons();
}

int CScanDerivative::order() const {
    return m_order->value();
}

QString CScanDerivative::resultName() const {
    return m_name->text();
}

} // namespace spectavo::app
