#include "app/shell/smalldialogs.h"
#include "app/shell/qtmessageservice.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/link/stationrules.h"
#include "core/shell/login.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

QLineEdit *passwordField(QWidget *parent) {
    auto *field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(8);
    return field;
}
} // namespace

void showChangePasswordDialog(QWidget *parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(ui("Change password"));
    auto *form = new QFormLayout(&dialog);
    QLineEdit *old = passwordField(&dialog), *fresh = passwordField(&dialog),
              *confirm = passwordField(&dialog);
    form->addRow(ui("Old password"), old);
    form->addRow(ui("New password"), fresh);
    form->addRow(ui("Confirm it"), confirm);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    // The new fields open only while the old password matches the stored one.
    auto gate = [&] {
        const bool open = shell::LoginRules::oldPasswordMatches(ProfileFile(kAnalystSettingsFile, true),
                                                                old->text().toStdString());
        fresh->setEnabled(open);
        confirm->setEnabled(open);
        buttons->button(QDialogButtonBox::Ok)->setEnabled(open);
    };
    QObject::connect(old, &QLineEdit::textChanged, &dialog, gate);
    gate();
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        ProfileFile settings(kAnalystSettingsFile, true);
        if (shell::LoginRules::change(settings, old->text().toStdString(), fresh->text().toStdString(),
                                      confirm->text().toStdString()))
            dialog.accept();
        else
            messages().show(dialog.windowTitle().toStdString(), shell::LoginRules::kMismatch,
                            shell::MessageService::Icon::Warning);
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
}

void showAboutBox(QWidget *parent, const link::StationStatus &status) {
    const std::uint32_t word = status.hardwareWord.load();
    const std::string maker = ProfileFile(kAnalystSettingsFile, true)
                                  .GetString("Spectavo", "OEM_LOGO", "Spectavo workstation", 100);
    const std::string prom = strings::trFormat("PROM Version  %X.%03X on %s", word >> 12, word & 0xFFF,
                                               status.serialText.get().c_str());
    // The program's own version, as its package names it; the instrument's firmware is the line below.
    const std::string program = strings::trFormat(
        "Spectavo Version %s", QCoreApplication::applicationVersion().toStdString().c_str());
    QMessageBox::about(parent, ui("About Spectavo"),
                       QString::fromStdString(program + "\n" + maker + "\n" + prom));
}

bool showSwitchPointDialog(QWidget *parent, link::StationLink &link) {
    const link::SwitchPointLimits limits = link::readSwitchPointLimits(link.status().modelName.get());
    QDialog dialog(parent);
    dialog.setWindowTitle(ui("Set the switch point"));
    auto *form = new QFormLayout(&dialog);
    form->addRow(ui("Minimum"),
                 new QLabel(QString::fromStdString(link::formatSwitchPointField(limits.minimum))));
    form->addRow(ui("Maximum"),
                 new QLabel(QString::fromStdString(link::formatSwitchPointField(limits.maximum))));
    auto *point = new QLineEdit(
        QString::fromStdString(link::formatSwitchPointField(link.status().switchPointNm.load())), &dialog);
    form->addRow(ui("New point"), point);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(ui("Setup"), QDialogButtonBox::AcceptRole);
    buttons->addButton(ui("Cancel"), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    std::optional<float> chosen;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        chosen = link::parseSwitchPoint(point->text().toStdString(), limits);
        if (chosen)
            dialog.accept();
        else
            messages().show(dialog.windowTitle().toStdString(), link::kSwitchPointOutOfRange,
                            shell::MessageService::Icon::Warning);
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || !chosen)
        return false;
    link.commands().SetSwitchPoint(*chosen);
    return true;
}

} // namespace spectavo::app
