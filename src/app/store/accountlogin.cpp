#include "app/store/accountlogin.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/widgets/uitext.h"
#include "core/shell/messageservice.h"

namespace spectavo::app {

CAccountLoginDialog::CAccountLoginDialog(store::AccountBook &book, shell::MessageService &messages,
                                         QWidget *parent)
    : QDialog(parent), m_book(book), m_messages(messages) {
    setWindowTitle(ui("Spectavo Login"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const CredentialFields fields = addCredentialRows(form, this);
    m_userId = fields.userId;
    m_password = fields.password;
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(ui("&Login"), QDialogButtonBox::AcceptRole);
    buttons->addButton(ui("E&xit"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAccountLoginDialog::attempt);
    setMinimumWidth(360);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CAccountLoginDialog::attempt() {
    const QString password = m_password->text();
    const store::AccountOutcome outcome =
        m_book.logIn(m_userId->text().trimmed().toStdString(), password.toStdString());
    m_password->clear();
    if (!outcome.done) {
        m_messages.show("Spectavo", outcome.message, shell::MessageService::Icon::Warning);
        m_password->setFocus();
        return;
    }
    if (outcome.account->mustChangePassword && !changeGivenPassword(*outcome.account, password))
        return;
    m_account = outcome.account;
    m_account->mustChangePassword = false;
    accept();
}

// A password a lab manager gave (a new account, a reset) is the person's own only once changed.
bool CAccountLoginDialog::changeGivenPassword(const store::Account &account, const QString &old) {
    for (;;) {
        const std::optional<QString> fresh = askNewPassword(
            this, ui("Change Password"), ui("Choose a password of your own before you go on."));
        if (!fresh)
            return false;
        const store::AccountOutcome changed =
            m_book.changePassword(account.userId, old.toStdString(), fresh->toStdString());
        if (changed.done)
            return true;
        m_messages.show("Spectavo", changed.message, shell::MessageService::Icon::Warning);
    }
}

std::optional<store::Account> CAccountLoginDialog::run(store::AccountBook &book,
                                                       shell::MessageService &messages) {
    CAccountLoginDialog dialog(book, messages);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.account();
}

CredentialFields addCredentialRows(QFormLayout *form, QWidget *parent, const std::string &userId) {
    CredentialFields fields{new QLineEdit(QString::fromStdString(userId), parent), new QLineEdit(parent)};
    fields.userId->setObjectName("userId");
    fields.password->setObjectName("password");
    fields.password->setEchoMode(QLineEdit::Password);
    form->addRow(ui("User ID"), fields.userId);
    form->addRow(ui("Password"), fields.password);
    return fields;
}

std::optional<QString> askNewPassword(QWidget *parent, const QString &title, const QString &why) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(why, &dialog));
    auto *form = new QFormLayout;
    auto *fresh = new QLineEdit(&dialog);
    auto *again = new QLineEdit(&dialog);
    fresh->setObjectName("newPassword");
    again->setObjectName("confirmPassword");
    fresh->setEchoMode(QLineEdit::Password);
    again->setEchoMode(QLineEdit::Password);
    form->addRow(ui("New password"), fresh);
    form->addRow(ui("Confirm new password"), again);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (fresh->text() == again->text())
            dialog.accept();
        else
            again->clear();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fresh->text();
}

} // namespace spectavo::app
