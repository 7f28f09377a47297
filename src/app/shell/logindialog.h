#pragma once

#include <QDialog>

class QLineEdit;

namespace spectavo::app {

// "Spectavo Login": one attempt; a wrong password is said so, then the program ends.
class CLoginDialog : public QDialog {
public:
    explicit CLoginDialog(QWidget *parent = nullptr);
    // Whether the program may start: no password is stored, or the typed one matches.
    enum class Outcome { Accepted, WrongPassword, Exited };
    // Accepted at once when no password is set.
    static Outcome run();

private:
    QLineEdit *m_password;
    bool m_wrongPassword = false;
};

} // namespace spectavo::app
