#include "app/store/signdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/store/accountlogin.h"
#include "app/widgets/uitext.h"
#include "core/shell/messageservice.h"

namespace spectavo::app {

CSignDialog::CSignDialog(store::AccountBook &book, shell::MessageService &messages, std::int64_t resultId,
                         const std::string &userId, bool askUserId, QWidget *parent)
    : QDialog(parent), m_book(book), m_messages(messages), m_resultId(resultId) {
    setWindowTitle(ui("Sign Result") + QString(" %1").arg(resultId));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const CredentialFields fields = addCredentialRows(form, this, userId);
    m_userId = fields.userId;
    m_password = fields.password;
    m_userId->setReadOnly(!askUserId);
    m_meaning = new QComboBox(this);
    m_meaning->setObjectName("meaning");
    for (const shell::SignatureMeaning meaning :
         {shell::SignatureMeaning::Performed, shell::SignatureMeaning::Reviewed,
          shell::SignatureMeaning::Approved})
        m_meaning->addItem(ui(shell::meaningName(meaning)), QString(shell::meaningName(meaning)));
    m_comment = new QLineEdit(this);
    m_comment->setObjectName("comment");
    form->addRow(ui("Meaning"), m_meaning);
    form->addRow(ui("Comment"), m_comment);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSignDialog::attempt);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    (askUserId ? m_userId : m_password)->setFocus();
}

void CSignDialog::attempt() {
    const auto meaning = shell::meaningOfName(m_meaning->currentData().toString().toStdString());
    const store::AccountOutcome outcome = m_book.signResult(
        m_userId->text().trimmed().toStdString(), m_password->text().toStdString(), m_resultId,
        meaning.value_or(shell::SignatureMeaning::Performed), m_comment->text().toStdString());
    m_password->clear();
    if (!outcome.done) {
        m_messages.show("Spectavo", outcome.message, shell::MessageService::Icon::Warning);
        return;
    }
    accept();
}

} // namespace spectavo::app
