#include "app/scan/scansmooth.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/scan/mathdialogform.h"
#include "app/widgets/uitext.h"

namespace spectavo::app {

CScanSmooth::CScanSmooth(const QString &resultName, int colourIndex, QWidget *parent) : QDialog(parent) {
    setWindowTitle(ui("Smooth the spectrum"));
    m_range = spinBox(2, 100, 3, "range");
    m_name = new QLineEdit(resultName);
    m_name->setObjectName("name");
    MathDialogForm form(this);
    form.row(ui("&Range"), m_range);
    m_colour = form.colourRow(colourIndex);
    form.row(ui("&Name"), m_name);
    form.buttons();
}

int CScanSmooth::range() const {
    return m_range->value();
}

int CScanSmooth::colourIndex() const {
    return m_colour ? m_colour->currentIndex() : -1;
}

QString CScanSmooth::resultName() const {
    return m_name->text();
}

} // namespace spectavo::app
