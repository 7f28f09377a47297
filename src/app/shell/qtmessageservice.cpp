#include "app/shell/qtmessageservice.h"

#include <QMessageBox>

namespace spectavo::app {
namespace {

QMessageBox::Icon toQt(shell::MessageService::Icon icon) {
    switch (icon) {
    case shell::MessageService::Icon::Warning:
        return QMessageBox::Warning;
    case shell::MessageService::Icon::Error:
    case shell::MessageService::Icon::Stop:
        return QMessageBox::Critical;
    case shell::MessageService::Icon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::Information;
    }
}

} // namespace

void QtMessageService::show(const std::string &caption, const std::string &text, Icon icon) {
    QMessageBox box(toQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtMessageService::ask(const std::string &caption, const std::string &text, Icon icon) {
    QMessageBox box(toQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

namespace {
shell::MessageService *g_installed = nullptr;
}

shell::MessageService &messages() {
    static QtMessageService screen(nullptr);
    return g_installed ? *g_installed : screen;
}

void installMessages(shell::MessageService *service) {
    g_installed = service;
}

} // namespace spectavo::app
