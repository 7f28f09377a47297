#include "app/shell/accessorydialogs.h"
#include "app/shell/qtmessageservice.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"

namespace spectavo::app {

using shell::AccessorySettings;

bool showMulticellDialog(QWidget *parent, program::CellSelection &settings, int rows, bool withConcentrations,
                         const QString &owner) {
    QDialog dialog(parent);
    dialog.setWindowTitle(owner.isEmpty() ? ui("Multicell settings")
                                          : ui("Multicell settings") + " - " + owner);
    auto *layout = new QVBoxLayout(&dialog);
    auto *group = new QGroupBox(ui("Setting"), &dialog);
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(ui("No.")), 0, 0);
    grid->addWidget(new QLabel(ui("Check")), 0, 1);
    grid->addWidget(new QLabel(ui("Name(Null means autoname)")), 0, 2);
    if (withConcentrations)
        grid->addWidget(new QLabel(ui("Conc.")), 0, 3);
    std::array<QCheckBox *, AccessorySettings::kCells> checks{};
    std::array<QLineEdit *, AccessorySettings::kCells> names{};
    std::array<QLineEdit *, AccessorySettings::kCells> concentrations{};
    for (int i = 0; i < AccessorySettings::kCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const bool enabled = i < rows;
        grid->addWidget(new QLabel(QString::number(i + 1)), i + 1, 0);
        checks[at] = new QCheckBox(group);
        checks[at]->setChecked(settings.cellInstalled[at] != 0);
        names[at] = new QLineEdit(QString::fromStdString(settings.cellName[at]), group);
        concentrations[at] = new QLineEdit(QString::fromStdString(settings.cellConcentration[at]), group);
        for (QWidget *widget : {static_cast<QWidget *>(checks[at]), static_cast<QWidget *>(names[at]),
                                static_cast<QWidget *>(concentrations[at])})
            widget->setEnabled(enabled);
        grid->addWidget(checks[at], i + 1, 1);
        grid->addWidget(names[at], i + 1, 2);
        if (withConcentrations)
            grid->addWidget(concentrations[at], i + 1, 3);
        else
            concentrations[at]->hide();
    }
    layout->addWidget(group);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        std::array<int, AccessorySettings::kCells> installed{};
        for (std::size_t i = 0; i < installed.size(); ++i)
            installed[i] = checks[i]->isChecked() ? 1 : 0;
        if (!AccessorySettings::anyCellChosen(installed, rows)) {
            messages().show(dialog.windowTitle().toStdString(), AccessorySettings::kNoCellChosen,
                            shell::MessageService::Icon::Information);
            return;
        }
        settings.cellInstalled = installed;
        for (std::size_t i = 0; i < installed.size(); ++i) {
            settings.cellName[i] = names[i]->text().toStdString();
            settings.cellConcentration[i] = concentrations[i]->text().toStdString();
        }
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

bool showIntegerInput(QWidget *parent, const QString &prompt, int &value, AccessorySettings::Limits limits) {
    QDialog dialog(parent);
    dialog.setWindowTitle(ui("Please input the required parameter"));
    auto *form = new QFormLayout(&dialog);
    auto *spin = new QSpinBox(&dialog);
    spin->setRange(limits.minimum, limits.maximum); // the range also validates what is typed
    spin->setValue(value);
    form->addRow(prompt, spin);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = spin->value();
    return true;
}

bool showSipperSetupDialog(QWidget *parent, AccessorySettings &settings) {
    const ProfileFile file(AccessorySettings::kSipperFile, true);
    QDialog dialog(parent);
    dialog.setWindowTitle(ui("Setup the sipper"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *times = new QGroupBox(ui("Time setting"), &dialog);
    auto *form = new QFormLayout(times);
    auto *time = new QSpinBox(times);
    const auto timeLimits = AccessorySettings::sipTimeLimits(file);
    time->setRange(timeLimits.minimum, timeLimits.maximum);
    time->setValue(settings.sipTimeS);
    auto *interval = new QSpinBox(times);
    const auto intervalLimits = AccessorySettings::sipIntervalLimits(file);
    interval->setRange(intervalLimits.minimum, intervalLimits.maximum);
    interval->setValue(settings.sipIntervalS);
    form->addRow(ui("Sipping time"), time);
    form->addRow(ui("Sipping interval"), interval);
    layout->addWidget(times);
    auto *auto_ = new QGroupBox(ui("Auto Sipping"), &dialog);
    auto *row = new QHBoxLayout(auto_);
    auto *enable = new QPushButton(ui("&Enable"), auto_);
    auto *disable = new QPushButton(ui("&Disable"), auto_);
    row->addWidget(enable);
    row->addWidget(disable);
    layout->addWidget(auto_);
    int connected = settings.sipperConnected;
    auto showState = [&] {
        enable->setEnabled(connected == 0);
        disable->setEnabled(connected != 0);
    };
    QObject::connect(enable, &QPushButton::clicked, &dialog, [&] {
        connected = 1;
        showState();
    });
    QObject::connect(disable, &QPushButton::clicked, &dialog, [&] {
        connected = 0;
        showState();
    });
    showState();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings.sipTimeS = time->value();
    settings.sipIntervalS = interval->value();
    settings.sipperConnected = connected;
    return true;
}

} // namespace spectavo::app
