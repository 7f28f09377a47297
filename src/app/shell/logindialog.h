#pragma once

#include <QDialog>

class QLineEdit;

namespace spectavo::app {

// "Spectavo Login": one attempt; a wrong password is said so, then the program ends.
class CLoginDialog : public QDialog {
public:
    explicit CLoginDialog(QWidget *parent = nullptr);
    // True when the program may start: no password is stored, or the typed one matches.
    static bool run();

private:
    QLineEdit *m_password;
};

} // namespace spectavo::app
