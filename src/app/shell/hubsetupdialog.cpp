#include "app/shell/hubsetupdialog.h"
#include "app/shell/qtmessageservice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/widgets/uitext.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {

CHubSetup::CHubSetup(QWidget *parent) : QDialog(parent) {
    setWindowTitle(ui("Communication Hub Setup"));
    resize(520, 420);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ui("Select one from installed Drivers"), this));
    m_drivers = new QComboBox(this);
    m_drivers->setObjectName("drivers");
    const std::vector<std::string> drivers = m_setup.installedDrivers();
    for (const std::string &driver : drivers)
        m_drivers->addItem(QString::fromStdString(driver));
    layout->addWidget(m_drivers);
    m_panelArea = new QGroupBox(ui("Setup"), this);
    m_panelArea->setMinimumHeight(280);
    new QVBoxLayout(m_panelArea);
    layout->addWidget(m_panelArea, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    const int preselected =
        link::HubSetupModel::preselectedIndex(drivers, link::HubSetupModel::configuredDriver());
    m_drivers->setCurrentIndex(std::max(preselected, 0));
    connect(m_drivers, &QComboBox::currentIndexChanged, this, [this] { openSelected(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_setup.confirm(m_drivers->currentText().toStdString());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The driver places its panel in the rectangle it is given, so the area must have its real size.
    layout->activate();
    openSelected();
}

CHubSetup::~CHubSetup() {
    m_setup.closeDriver();
}

void CHubSetup::openSelected() {
    const std::string name = m_drivers->currentText().toStdString();
    if (name.empty())
        return;
    const QRect area = m_panelArea->contentsRect().adjusted(8, 20, -8, -8);
    const auto result =
        m_setup.openDriver(name, m_panelArea, area.left(), area.top(), area.right(), area.bottom());
    adoptDriverPanel();
    if (result == link::HubSetupModel::OpenResult::LoadFailed)
        messages().show(SPECTAVO_TEXT("Hub Setup"), strings::trFormat("Failed to load %s!", name.c_str()),
                        shell::MessageService::Icon::Error);
    else if (result == link::HubSetupModel::OpenResult::EntryPointsMissing)
        messages().show(SPECTAVO_TEXT("Hub Setup"),
                        SPECTAVO_TEXT("Couldn't find all ZAV_CommDrv entry points we needed."),
                        shell::MessageService::Icon::Error);
}

// A panel the driver made is put under the area's layout, so it follows the dialog's size.
void CHubSetup::adoptDriverPanel() {
    for (QWidget *panel : m_panelArea->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (m_panelArea->layout()->indexOf(panel) < 0)
            m_panelArea->layout()->addWidget(panel);
}

} // namespace spectavo::app
