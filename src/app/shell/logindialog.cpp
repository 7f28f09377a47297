#include "app/shell/logindialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/shell/login.h"

namespace spectavo::app {
namespace {
constexpr const char *kSettings = kAnalystSettingsFile;
}

CLoginDialog::CLoginDialog(QWidget *parent) : QDialog(parent) {
    setWindowTitle(ui("Spectavo Login"));
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(ui("Input your password"), this);
    auto *groupLayout = new QVBoxLayout(group);
    m_password = new QLineEdit(group);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setObjectName("password");
    groupLayout->addWidget(m_password);
    layout->addWidget(group);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(ui("&Login"), QDialogButtonBox::AcceptRole);
    buttons->addButton(ui("E&xit"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ProfileFile settings(kSettings, true);
        if (shell::LoginRules::accepts(settings, m_password->text().toStdString())) {
            accept();
            return;
        }
        // One try, as ever; but the program does not end without a word.
        messages().show("Spectavo", shell::LoginRules::kWrongPassword, shell::MessageService::Icon::Warning);
        m_wrongPassword = true;
        reject();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CLoginDialog::Outcome CLoginDialog::run() {
    if (!shell::LoginRules::loginNeeded(ProfileFile(kSettings, true)))
        return Outcome::Accepted;
    CLoginDialog dialog;
    if (dialog.exec() == QDialog::Accepted)
        return Outcome::Accepted;
    return dialog.m_wrongPassword ? Outcome::WrongPassword : Outcome::Exited;
}

} // namespace spectavo::app
