#pragma once

#include <QDialog>

#include "store/accountbook.h"

class QComboBox;
class QLineEdit;

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// "Sign": the signer's password again (and the user ID at the first signing of a session), the
// meaning and a comment. OK signs through the account book; a refusal is said and the dialog stays.
class CSignDialog : public QDialog {
public:
    CSignDialog(store::AccountBook &book, shell::MessageService &messages, std::int64_t resultId,
                const std::string &userId, bool askUserId, QWidget *parent = nullptr);
    // One attempt with what the fields hold.
    void attempt();

private:
    store::AccountBook &m_book;
    shell::MessageService &m_messages;
    std::int64_t m_resultId;
    QLineEdit *m_userId;
    QLineEdit *m_password;
    QComboBox *m_meaning;
    QLineEdit *m_comment;
};

} // namespace spectavo::app
