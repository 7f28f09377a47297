#include "app/store/useraccountsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/store/accountlogin.h"
#include "app/widgets/uitext.h"
#include "core/shell/messageservice.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

constexpr const char *kDisableQuestion = SPECTAVO_TEXT(
    "Disable the selected account? It stays in the records, and its user ID is never used again.");

const shell::Role kRoles[] = {shell::Role::Analyst, shell::Role::Reviewer, shell::Role::LabManager};

QComboBox *roleChoice(QWidget *parent) {
    auto *choice = new QComboBox(parent);
    for (const shell::Role role : kRoles)
        choice->addItem(ui(shell::roleName(role)));
    return choice;
}

} // namespace

CUserAccountsDialog::CUserAccountsDialog(std::unique_ptr<store::ResultStore> store,
                                         const store::SecurityPolicy &policy, store::Account manager,
                                         shell::MessageService &messages, QWidget *parent)
    : QDialog(parent), m_store(std::move(store)), m_book(*m_store, policy), m_manager(std::move(manager)),
      m_messages(messages), m_table(new QTableWidget(0, 5, this)) {
    setWindowTitle(ui("User Accounts"));
    m_table->setHorizontalHeaderLabels(
        {ui("User ID"), ui("Full name"), ui("Role"), ui("State"), ui("Must change password")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    auto *buttons = new QHBoxLayout;
    const auto button = [this, buttons](const char *text, auto action) {
        auto *made = new QPushButton(ui(text), this);
        connect(made, &QPushButton::clicked, this, action);
        buttons->addWidget(made);
    };
    button(SPECTAVO_TEXT("&Add..."), [this] { askToAdd(); });
    button(SPECTAVO_TEXT("&Disable"), [this] {
        if (m_messages.ask("Spectavo", kDisableQuestion, shell::MessageService::Icon::Question))
            disableSelected();
    });
    button(SPECTAVO_TEXT("&Reset Password..."), [this] {
        if (const auto password =
                askNewPassword(this, ui("Reset Password"), ui("The person changes it at the next login.")))
            resetSelected(*password);
    });
    button(SPECTAVO_TEXT("&Unlock"), [this] { unlockSelected(); });
    button(SPECTAVO_TEXT("Change &Role..."), [this] {
        QStringList names;
        for (const shell::Role role : kRoles)
            names << ui(shell::roleName(role));
        bool chosen = false;
        const QString name =
            QInputDialog::getItem(this, ui("Change Role"), ui("Role"), names, 0, false, &chosen);
        if (chosen)
            changeRoleOfSelected(kRoles[std::max(0, static_cast<int>(names.indexOf(name)))]);
    });
    buttons->addStretch();
    auto *close = new QPushButton(ui("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(760, 420);
    refill();
}

void CUserAccountsDialog::refill() {
    const std::vector<store::Account> accounts = m_store->accounts();
    m_table->setRowCount(static_cast<int>(accounts.size()));
    for (int row = 0; row < static_cast<int>(accounts.size()); ++row) {
        const store::Account &account = accounts[static_cast<std::size_t>(row)];
        const QStringList texts = {QString::fromStdString(account.userId),
                                   QString::fromStdString(account.fullName), ui(account.role),
                                   ui(account.state), account.mustChangePassword ? ui("yes") : ui("no")};
        for (int column = 0; column < texts.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

std::string CUserAccountsDialog::selectedUserId() const {
    const int row = m_table->currentRow();
    return row < 0 ? std::string() : m_table->item(row, 0)->text().toStdString();
}

bool CUserAccountsDialog::said(const store::AccountOutcome &outcome) {
    if (!outcome.done)
        m_messages.show("Spectavo", outcome.message, shell::MessageService::Icon::Warning);
    refill();
    return outcome.done;
}

bool CUserAccountsDialog::addAccount(const QString &userId, const QString &fullName, shell::Role role,
                                     const QString &password) {
    return said(m_book.addAccount(m_manager, userId.trimmed().toStdString(), fullName.trimmed().toStdString(),
                                  role, password.toStdString()));
}

bool CUserAccountsDialog::disableSelected() {
    return !selectedUserId().empty() && said(m_book.disable(m_manager, selectedUserId()));
}

bool CUserAccountsDialog::resetSelected(const QString &password) {
    return !selectedUserId().empty() &&
           said(m_book.resetPassword(m_manager, selectedUserId(), password.toStdString()));
}

bool CUserAccountsDialog::unlockSelected() {
    return !selectedUserId().empty() && said(m_book.unlock(m_manager, selectedUserId()));
}

bool CUserAccountsDialog::changeRoleOfSelected(shell::Role role) {
    return !selectedUserId().empty() && said(m_book.changeRole(m_manager, selectedUserId(), role));
}

void CUserAccountsDialog::askToAdd() {
    QDialog dialog(this);
    dialog.setWindowTitle(ui("Add Account"));
    auto *form = new QFormLayout(&dialog);
    auto *userId = new QLineEdit(&dialog);
    auto *fullName = new QLineEdit(&dialog);
    QComboBox *role = roleChoice(&dialog);
    auto *password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    form->addRow(ui("User ID"), userId);
    form->addRow(ui("Full name"), fullName);
    form->addRow(ui("Role"), role);
    form->addRow(ui("First password"), password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (addAccount(userId->text(), fullName->text(), kRoles[role->currentIndex()], password->text()))
            dialog.accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
}

} // namespace spectavo::app
