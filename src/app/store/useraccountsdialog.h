#pragma once

#include <memory>

#include <QDialog>

#include "store/accountbook.h"

class QTableWidget;

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// "User Accounts", the lab manager's tool: every account with its role and state; Add, Disable,
// Reset Password, Unlock and Change Role, each through the account book and so in the trail.
class CUserAccountsDialog : public QDialog {
public:
    CUserAccountsDialog(std::unique_ptr<store::ResultStore> store, const store::SecurityPolicy &policy,
                        store::Account manager, shell::MessageService &messages, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    void refill();
    // The tools on the selected account; false when nothing changed.
    bool addAccount(const QString &userId, const QString &fullName, shell::Role role,
                    const QString &password);
    bool disableSelected();
    bool resetSelected(const QString &password);
    bool unlockSelected();
    bool changeRoleOfSelected(shell::Role role);

private:
    std::string selectedUserId() const;
    bool said(const store::AccountOutcome &outcome);
    void askToAdd();

    std::unique_ptr<store::ResultStore> m_store;
    store::AccountBook m_book;
    store::Account m_manager;
    shell::MessageService &m_messages;
    QTableWidget *m_table;
};

} // namespace spectavo::app
