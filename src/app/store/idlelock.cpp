#include "app/store/idlelock.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "app/store/accountlogin.h"
#include "app/widgets/uitext.h"
#include "core/shell/messageservice.h"
#include "core/shell/roles.h"

namespace spectavo::app {

CLockDialog::CLockDialog(store::AccountBook &book, shell::MessageService &messages, store::Account person,
                         QWidget *parent)
    : QDialog(parent), m_book(book), m_messages(messages), m_person(std::move(person)) {
    setWindowTitle(ui("Spectavo Locked"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ui("The workstation is locked. Measurements go on; type the password to "
                                    "work again. A lab manager's ends this session."),
                                 this));
    auto *form = new QFormLayout;
    const CredentialFields fields = addCredentialRows(form, this, m_person.userId);
    m_userId = fields.userId;
    m_password = fields.password;
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLockDialog::attempt);
    m_password->setFocus();
}

void CLockDialog::attempt() {
    const std::string userId = m_userId->text().trimmed().toStdString();
    const store::AccountOutcome outcome =
        m_book.authenticate(userId, m_password->text().toStdString(), "unlock");
    m_password->clear();
    if (!outcome.done) {
        m_messages.show("Spectavo", outcome.message, shell::MessageService::Icon::Warning);
        return;
    }
    if (userId != m_person.userId) {
        if (!m_book.allows(*outcome.account, shell::Permission::ManageAccounts,
                           "unlock the session of " + m_person.userId)) {
            m_messages.show("Spectavo", shell::kRoleRefusal, shell::MessageService::Icon::Warning);
            return;
        }
        m_loggedOut = true;
    }
    accept();
}

IdleLock::IdleLock(store::AccountBook &book, shell::MessageService &messages, store::Account person,
                   std::chrono::minutes idle, std::function<void()> logOut, QWidget *over)
    : m_book(book), m_messages(messages), m_person(std::move(person)), m_idle(idle),
      m_logOut(std::move(logOut)), m_over(over), m_timer(new QTimer(this)) {
    qApp->installEventFilter(this);
    connect(m_timer, &QTimer::timeout, this, [this] { check(Clock::now()); });
    m_timer->start(5000);
}

bool IdleLock::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        m_lastInput = Clock::now();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void IdleLock::check(Clock::time_point now) {
    if (!m_locked && now - m_lastInput >= m_idle)
        lockNow();
}

void IdleLock::lockNow() {
    if (m_locked)
        return;
    m_locked = true;
    CLockDialog dialog(m_book, m_messages, m_person, m_over);
    dialog.exec();
    m_locked = false;
    m_lastInput = Clock::now();
    if (dialog.loggedOut() && m_logOut)
        m_logOut();
}

} // namespace spectavo::app
