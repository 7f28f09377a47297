#pragma once

#include <QWidget>

#include "core/shell/messageservice.h"

namespace spectavo::app {

// Message boxes on screen.
class QtMessageService : public shell::MessageService {
public:
    explicit QtMessageService(QWidget *parent) : m_parent(parent) {}
    void show(const std::string &caption, const std::string &text, Icon icon) override;
    bool ask(const std::string &caption, const std::string &text, Icon icon) override;
    Answer askOrCancel(const std::string &caption, const std::string &text, Icon icon) override;

private:
    QWidget *m_parent;
};

// The window a dialog or message box belongs to: the given parent, else the active modal dialog, the
// active window, or the program's main window. A box with a parent is transient for it, so a window
// manager keeps it above an always-on-top main window instead of hiding it beneath.
QWidget *dialogParent(QWidget *preferred = nullptr);

// The program's message service: every dialog shows its messages through it. Screen boxes unless a
// test (or the program) installs another.
shell::MessageService &messages();
void installMessages(shell::MessageService *service);

} // namespace spectavo::app
