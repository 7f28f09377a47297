#include "app/scan/mathdialogform.h"

#include <QDialog>
#include <QDialogButtonBox>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/colourbox.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {

MathDialogForm::MathDialogForm(QDialog *dialog) : m_dialog(dialog), m_form(new QFormLayout(dialog)) {}

void MathDialogForm::row(const QString &label, QWidget *field) {
    m_form->addRow(label, field);
}

QComboBox *MathDialogForm::colourRow(int colourIndex, const QString &label) {
    // A result that keeps its source's colour offers none.
    if (colourIndex < 0)
        return nullptr;
    QComboBox *box = makeColourIndexBox();
    box->setObjectName("colour");
    box->setCurrentIndex(colourIndex);
    m_form->addRow(label, box);
    return box;
}

void MathDialogForm::buttons() {
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(box, &QDialogButtonBox::accepted, m_dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, m_dialog, &QDialog::reject);
    m_form->addRow(box);
}

QSpinBox *spinBox(int minimum, int maximum, int value, const char *name) {
    auto *box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setObjectName(name);
    return box;
}

void showRangeMessage(int minimum, int maximum) {
    messages().show("Spectavo",
                    strings::trFormat("Please enter an integer between %d and %d.", minimum, maximum),
                    shell::MessageService::Icon::Warning);
}

} // namespace spectavo::app
