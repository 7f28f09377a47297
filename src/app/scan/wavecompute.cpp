#include "app/scan/wavecompute.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/scan/mathdialogform.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/strings/translation.h"

namespace spectavo::app {

CWaveCompute::CWaveCompute(std::vector<std::string> names, scan::SpectrumOperation operation, QWidget *parent)
    : QDialog(parent), m_names(std::move(names)), m_first(new QComboBox), m_second(new QComboBox),
      m_result(new QLineEdit("ResultName")) {
    setWindowTitle(ui("Spectra Addition/Subtraction"));
    m_first->setObjectName("first");
    m_second->setObjectName("second");
    m_result->setObjectName("result");
    for (const std::string &name : m_names)
        m_first->addItem(QString::fromStdString(name));
    connect(m_first, &QComboBox::currentIndexChanged, this, [this] { refillSecond(); });
    refillSecond();
    // The four operations, only the chosen one usable.
    auto *operations = new QWidget;
    auto *row = new QHBoxLayout(operations);
    row->setContentsMargins(0, 0, 0, 0);
    const char *signs[] = {"+", "-", "x", "/"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(signs[i]);
        button->setCheckable(true);
        button->setChecked(i == static_cast<int>(operation));
        button->setEnabled(i == static_cast<int>(operation));
        row->addWidget(button);
    }
    MathDialogForm form(this);
    form.row(ui("File &1"), m_first);
    form.row(ui("File &2"), m_second);
    form.row("", operations);
    form.row(ui("&Result"), m_result);
    form.buttons();
}

// File 2 offers every name but the one chosen as File 1.
void CWaveCompute::refillSecond() {
    m_second->clear();
    for (const std::string &name : m_names)
        if (QString::fromStdString(name) != m_first->currentText())
            m_second->addItem(QString::fromStdString(name));
}

// Without a second spectrum there is nothing to compute.
void CWaveCompute::accept() {
    if (m_second->currentText().isEmpty()) {
        messages().show("Spectavo", SPECTAVO_TEXT("Choose two different spectra."),
                        shell::MessageService::Icon::Warning);
        return;
    }
    QDialog::accept();
}

QString CWaveCompute::first() const {
    return m_first->currentText();
}

QString CWaveCompute::second() const {
    return m_second->currentText();
}

QString CWaveCompute::resultName() const {
    return m_result->text();
}

} // namespace spectavo::app
