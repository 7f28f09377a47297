#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "store/accountbook.h"

class QFormLayout;
class QLineEdit;

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// "Spectavo Login" in regulated mode: "User ID" and "Password". A wrong pair is said and the person
// tries again, until the account locks; a password a lab manager gave is changed at once.
class CAccountLoginDialog : public QDialog {
public:
    CAccountLoginDialog(store::AccountBook &book, shell::MessageService &messages, QWidget *parent = nullptr);

    // The account that logged in, once accepted.
    const std::optional<store::Account> &account() const { return m_account; }
    // One attempt with what the fields hold: the dialog accepts, or says why not and stays.
    void attempt();

    // Runs the dialog; the account, or nothing when the person left.
    static std::optional<store::Account> run(store::AccountBook &book, shell::MessageService &messages);

private:
    bool changeGivenPassword(const store::Account &account, const QString &old);

    store::AccountBook &m_book;
    shell::MessageService &m_messages;
    QLineEdit *m_userId;
    QLineEdit *m_password;
    std::optional<store::Account> m_account;
};

// The "User ID" and "Password" rows every dialog that checks a person's password has.
struct CredentialFields {
    QLineEdit *userId;
    QLineEdit *password;
};
CredentialFields addCredentialRows(QFormLayout *form, QWidget *parent, const std::string &userId = {});

// Asks twice for a new password; nothing when the person cancels.
std::optional<QString> askNewPassword(QWidget *parent, const QString &title, const QString &why);

} // namespace spectavo::app
