#include "app/shell/qtmessageservice.h"

#include "app/widgets/uitext.h"

#include <QApplication>
#include <QMainWindow>
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

QWidget *dialogParent(QWidget *preferred) {
    if (preferred)
        return preferred->window();
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && qobject_cast<QMainWindow *>(top))
            return top;
    return nullptr;
}

void QtMessageService::show(const std::string &caption, const std::string &text, Icon icon) {
    QMessageBox box(toQt(icon), ui(caption), ui(text), QMessageBox::Ok, dialogParent(m_parent));
    box.exec();
}

bool QtMessageService::ask(const std::string &caption, const std::string &text, Icon icon) {
    QMessageBox box(toQt(icon), ui(caption), ui(text), QMessageBox::Yes | QMessageBox::No,
                    dialogParent(m_parent));
    return box.exec() == QMessageBox::Yes;
}

shell::MessageService::Answer QtMessageService::askOrCancel(const std::string &caption,
                                                            const std::string &text, Icon icon) {
    QMessageBox box(toQt(icon), ui(caption), ui(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialogParent(m_parent));
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
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
