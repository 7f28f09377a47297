#pragma once

#include <chrono>
#include <functional>

#include <QDialog>
#include <QObject>

#include "store/accountbook.h"

class QLineEdit;
class QTimer;

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// The lock screen: the logged-in person's password, or a lab manager's user ID and password, which
// ends the person's session.
class CLockDialog : public QDialog {
public:
    CLockDialog(store::AccountBook &book, shell::MessageService &messages, store::Account person,
                QWidget *parent = nullptr);
    // One attempt with what the fields hold.
    void attempt();
    // A lab manager unlocked: the person is to be logged out.
    bool loggedOut() const { return m_loggedOut; }
    // Escape and the close box do not unlock: only a password does.
    void reject() override {}

private:
    store::AccountBook &m_book;
    shell::MessageService &m_messages;
    store::Account m_person;
    QLineEdit *m_userId;
    QLineEdit *m_password;
    bool m_loggedOut = false;
};

// Regulated mode: after the policy's minutes without keyboard or mouse, the workstation asks for the
// password again. The lock is a modal dialog, so windows keep drawing and measurements keep running
// under it; only input waits.
class IdleLock : public QObject {
public:
    using Clock = std::chrono::steady_clock;
    // `logOut` ends the person's session (the main window closes, asking about unsaved results).
    IdleLock(store::AccountBook &book, shell::MessageService &messages, store::Account person,
             std::chrono::minutes idle, std::function<void()> logOut, QWidget *over);

    // Locks if the person was idle long enough at `now` (the timer calls it every few seconds).
    void check(Clock::time_point now);
    void lockNow();
    bool locked() const { return m_locked; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    store::AccountBook &m_book;
    shell::MessageService &m_messages;
    store::Account m_person;
    std::chrono::minutes m_idle;
    std::function<void()> m_logOut;
    QWidget *m_over;
    QTimer *m_timer;
    Clock::time_point m_lastInput = Clock::now();
    bool m_locked = false;
};

} // namespace spectavo::app
