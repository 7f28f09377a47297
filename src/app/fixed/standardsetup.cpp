#include "app/fixed/standardsetup.h"

#include <cmath>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {

CStandardSetup::CStandardSetup(const QString &name, double concentration, QWidget *parent)
    : QDialog(parent), m_value(concentration) {
    setWindowTitle(ui("Standard Samples Parameter Setup"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_name = new QLineEdit(name, this);
    m_name->setObjectName("name");
    m_name->setMaxLength(98);
    m_concentration = new QLineEdit(QString::fromStdString(strings::formatC("%g", concentration)), this);
    m_concentration->setObjectName("concentration");
    form->addRow(ui("Standard &name"), m_name);
    form->addRow(ui("&Concentration"), m_concentration);
    layout->addLayout(form);
    auto *buttons = new QHBoxLayout;
    auto *next = new QPushButton(ui("Next"), this);
    next->setObjectName("next");
    next->setDefault(true);
    auto *ok = new QPushButton(ui("OK"), this);
    ok->setObjectName("ok");
    auto *cancel = new QPushButton(ui("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(next, &QPushButton::clicked, this, [this] { finishWith(kNext); });
    connect(ok, &QPushButton::clicked, this, [this] { finishWith(QDialog::Accepted); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString CStandardSetup::name() const {
    return m_name->text();
}

void CStandardSetup::finishWith(int result) {
    const std::string text = m_concentration->text().trimmed().toStdString();
    std::size_t used = 0;
    const double value = strings::scanDoubleC(text, &used);
    if (text.empty() || used != text.size() || !std::isfinite(value)) {
        messages().show("Spectavo", SPECTAVO_TEXT("Enter a number."), shell::MessageService::Icon::Warning);
        m_concentration->setFocus();
        m_concentration->selectAll();
        return;
    }
    m_value = value;
    done(result);
}

} // namespace spectavo::app
